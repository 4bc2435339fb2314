#pragma once

#include <QLibrary>
#include <QString>
#include <QtGlobal>
#include <memory>
#include <span>
#include <vector>

// Loading the optional libraries: by base name (Voltmod, Nonfer, alloypix), the
// program folder first, then the system's usual library search.
namespace tolvex::modules
{

// The library's file in the program folder under this platform's names
// (alloypix.dll, liballoypix.so …), or an empty text when there is none.
QString libraryInProgramFolder(const char* baseName);
// The name to hand to QLibrary: the file in the program folder, else the bare name.
QString libraryName(const char* baseName);

// One run of an add-on module: one handle per entry point, the entry points called
// in order with the main window's id. The first missing library or entry point ends
// the run (the remaining calls are skipped). After a run without failure the
// library stays loaded; after a failure the caller reports it, then `release()`s.
class ModuleRun
{
public:
    ModuleRun(const char* baseName, std::span<const char* const> entryPoints,
              quintptr mainWindowId);
    bool succeeded() const { return m_succeeded; }
    int calls() const { return m_calls; }
    void release();

private:
    std::vector<std::unique_ptr<QLibrary>> m_handles;
    bool m_succeeded = false;
    int m_calls = 0;
};

} // namespace tolvex::modules
