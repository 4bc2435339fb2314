#include "ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tolvex {

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

QString findDataFile(const QString& name)
{
    const QString local = programFile(name);
    if (QFileInfo::exists(local))
        return local;
    const QString installed = QDir(QCoreApplication::applicationDirPath())
                                  .filePath(QStringLiteral("../share/tolvex/") + name);
    if (QFileInfo::exists(installed))
        return QDir::cleanPath(installed);
    return local;
}

} // namespace tolvex
