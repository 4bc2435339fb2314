#pragma once

#include <QtGlobal>
#include <array>
#include <cstddef>

// What passes between the program and its optional add-on libraries, picture library
// and motors program. The libraries are looked up by base name in the program folder
// first, so each platform's own file name works (Voltmod.dll, libVoltmod.so).
namespace tolvex::modules
{

// An add-on entry point: opens the module's windows, owned by the main window whose
// id it is given. Exported as extern "C" void CreateMyFormVoltmod(quintptr mainWindowId).
using EntryPoint = void (*)(quintptr mainWindowId);

// The picture library's one entry point:
//   extern "C" size_t LoadJPEGfromEXE(int page, const unsigned char** jpeg);
// It points `jpeg` at a JPEG byte block the library owns and returns its size (0: no
// such page). The block is valid until the library is unloaded.
using LoadJpegFromExe = std::size_t (*)(int page, const unsigned char** jpeg);

inline constexpr const char* VoltmodLibrary = "Voltmod";
inline constexpr const char* NonferLibrary = "Nonfer";
inline constexpr const char* PictureLibrary = "alloypix";
inline constexpr const char* PictureEntryPoint = "LoadJPEGfromEXE";

// The electrical module's 41 entry points, in the order they are called.
inline constexpr std::array<const char*, 41> VoltmodEntryPoints{
    "CreateMyFormVoltmod", "CreateMyForm2",  "CreateMyForm3",  "CreateMyForm4",  "CreateMyForm5",
    "CreateMyForm6",       "CreateMyForm7",  "CreateMyForm8",  "CreateMyForm9",  "CreateMyForm10",
    "CreateMyForm11",      "CreateMyForm12", "CreateMyForm13", "CreateMyForm14", "CreateMyForm15",
    "CreateMyForm16",      "CreateMyForm17", "CreateMyForm18", "CreateMyForm19", "CreateMyForm20",
    "CreateMyForm21",      "CreateMyForm22", "CreateMyForm23", "CreateMyForm24", "CreateMyForm25",
    "CreateMyForm26",      "CreateMyForm27", "CreateMyForm28", "CreateMyForm29", "CreateMyForm30",
    "CreateMyForm31",      "CreateMyForm32", "CreateMyForm33", "CreateMyForm34", "CreateMyForm35",
    "CreateMyForm36",      "CreateMyForm37", "CreateMyForm38", "CreateMyForm39", "CreateMyForm40",
    "CreateMyForm41"};

// The aluminium-and-copper module's two entry points, in the order they are called.
inline constexpr std::array<const char*, 2> NonferEntryPoints{"CreateMyFormNonfer",
                                                              "CreateMyForm2"};

// The "Message" keys shown when a module fails to open.
inline constexpr int VoltmodFailureMessage = 421;
inline constexpr int NonferFailureMessage = 422;

// Where the separate motors program is installed on this platform.
#if defined(Q_OS_WIN)
inline constexpr const char* MotorsProgram = "C:\\Program Files\\Rotavik\\Rotavik.exe";
#else
inline constexpr const char* MotorsProgram = "/opt/Rotavik/Rotavik";
#endif

} // namespace tolvex::modules
