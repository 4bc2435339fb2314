#include "ui/modules/ModuleLibrary.h"

#include "core/app/ProgramFolder.h"
#include "core/modules/ModuleContracts.h"

#include <QFileInfo>

namespace tolvex::modules
{

QString libraryInProgramFolder(const char* baseName)
{
    const QString base = QString::fromLatin1(baseName);
    const QStringList candidates{
        base + QStringLiteral(".dll"), QStringLiteral("lib") + base + QStringLiteral(".so"),
        base + QStringLiteral(".so"), QStringLiteral("lib") + base + QStringLiteral(".dylib"),
        base + QStringLiteral(".dylib")};
    for (const QString& name : candidates) {
        const QString path = programFile(name);
        if (QFileInfo(path).isFile() && QLibrary::isLibrary(path))
            return path;
    }
    return {};
}

QString libraryName(const char* baseName)
{
    const QString local = libraryInProgramFolder(baseName);
    return local.isEmpty() ? QString::fromLatin1(baseName) : local;
}

ModuleRun::ModuleRun(const char* baseName, std::span<const char* const> entryPoints,
                     quintptr mainWindowId)
{
    const QString name = libraryName(baseName);
    std::vector<EntryPoint> functions;
    for (const char* entry : entryPoints) {
        auto library = std::make_unique<QLibrary>(name);
        // The error string of a failed load may name another file: only the result counts.
        functions.push_back(library->load() ? reinterpret_cast<EntryPoint>(library->resolve(entry))
                                            : nullptr);
        m_handles.push_back(std::move(library));
    }
    for (EntryPoint function : functions) {
        if (!function)
            return;
        function(mainWindowId);
        ++m_calls;
    }
    m_succeeded = true;
}

void ModuleRun::release()
{
    for (const auto& library : m_handles)
        if (library->isLoaded())
            library->unload();
    m_handles.clear();
}

} // namespace tolvex::modules
