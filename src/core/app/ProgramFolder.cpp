#include "core/app/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>

namespace tolvex
{

QString programFolder()
{
    const QString home = qEnvironmentVariable("TOLVEX_HOME");
    if (!home.isEmpty())
        return QDir(home).absolutePath();
    return QCoreApplication::applicationDirPath();
}

QString programFile(const QString& name)
{
    return QDir(programFolder()).filePath(name);
}

QString installedDataFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/tolvex"));
}

} // namespace tolvex
