#pragma once

// What the stand-in libraries share: an exported C entry point that appends one line
// "name argument" to the file named by TOLVEX_MODULE_LOG, so a test can read which
// entry points the program called, in which order and with what.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#if defined(_WIN32)
#define TOLVEX_TEST_EXPORT extern "C" __declspec(dllexport)
#else
#define TOLVEX_TEST_EXPORT extern "C" __attribute__((visibility("default")))
#endif

inline void recordCall(const char* name, unsigned long long argument)
{
    const char* path = std::getenv("TOLVEX_MODULE_LOG");
    if (!path)
        return;
    if (std::FILE* log = std::fopen(path, "a")) {
        std::fprintf(log, "%s %llu\n", name, argument);
        std::fclose(log);
    }
}

#define TOLVEX_TEST_ENTRY(name)                                                                    \
    TOLVEX_TEST_EXPORT void name(std::uintptr_t mainWindowId)                                      \
    {                                                                                              \
        recordCall(#name, mainWindowId);                                                           \
    }
