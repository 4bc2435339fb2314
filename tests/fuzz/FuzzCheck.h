#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

// A broken promise found by a fuzz target: say which and stop, so that libFuzzer
// keeps the input as a crash.
inline void fuzzCheck(bool ok, const char* what, const QString& detail = {})
{
    if (ok)
        return;
    std::fprintf(stderr, "fuzz check failed: %s %s\n", what, qPrintable(detail));
    std::abort();
}
