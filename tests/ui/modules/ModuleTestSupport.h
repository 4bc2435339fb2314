#pragma once

#include "StubWindowDirectory.h"
#include "TestSupport.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QList>
#include <QTemporaryFile>
#include <QUrl>

// Shared by the module window tests: the stand-in libraries placed into the program
// folder, the log of the entry points they saw, and the addresses handed to the shell.
namespace tolvex::test
{

// Copies the stand-in library `built` into the program folder under the base name
// `as` (this platform's file name).
inline bool placeLibrary(const ProgramFolder& folder, const QString& built, const QString& as)
{
    const QDir dir(QStringLiteral(TOLVEX_TEST_MODULES_DIR));
    for (const QString& name : dir.entryList(QDir::Files)) {
        if (!QLibrary::isLibrary(name) || !name.contains(built))
            continue;
        QString target = name;
        target.replace(built, as);
        return QFile::copy(dir.filePath(name), folder.file(target));
    }
    return false;
}

// The calls the stand-in libraries record ("name argument" lines), while this lives.
class ModuleLog
{
public:
    ModuleLog()
        : m_opened(m_file.open()), m_log("TOLVEX_MODULE_LOG", m_file.fileName().toLocal8Bit())
    {
    }
    QStringList lines()
    {
        QFile f(m_file.fileName());
        f.open(QIODevice::ReadOnly);
        return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private:
    QTemporaryFile m_file;
    bool m_opened;
    EnvironmentGuard m_log;
};

// A directory that also notes how many message boxes had been seen when each window
// was asked for: the order of box and window.
class OrderedDirectory : public StubWindowDirectory
{
public:
    explicit OrderedDirectory(const ModalWatcher& watcher) : m_watcher(watcher) {}
    void showWindow(WindowId id, Modality modality, Page page = {}) override
    {
        boxesBefore.append(int(m_watcher.seen().size()));
        StubWindowDirectory::showWindow(id, modality, page);
    }
    QList<int> boxesBefore;

private:
    const ModalWatcher& m_watcher;
};

} // namespace tolvex::test
