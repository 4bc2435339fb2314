// A stand-in aluminium-and-copper module that lacks its second entry point
// (CreateMyForm2), so the program's run must stop after the first call.
#include "ModuleLog.h"

TOLVEX_TEST_ENTRY(CreateMyFormNonfer)
