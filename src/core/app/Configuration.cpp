#include "core/app/Configuration.h"

#include "core/app/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <memory>
#include <utility>

namespace tolvex
{

namespace
{

const QString FileName = QStringLiteral("tolvex.ini");

// The owner's write mark counts too: a file or folder the user marked read-only is
// left alone even where the system would let the program write (as root).
bool markedWritable(const QFileInfo& info)
{
    return info.isWritable() && info.permission(QFile::WriteOwner);
}

bool folderWritable(const QString& folder)
{
    const QFileInfo info(folder);
    if (!info.isDir() || !markedWritable(info))
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tolvex-XXXXXX")));
    return probe.open();
}

std::unique_ptr<Configuration>& programConfiguration()
{
    static std::unique_ptr<Configuration> configuration;
    return configuration;
}

} // namespace

Configuration::Configuration(const QString& folder)
{
    const QString local = QDir(folder).filePath(FileName);
    const QFileInfo localInfo(local);
    const bool localUsable =
        folderWritable(folder) &&
        (!localInfo.exists() || (localInfo.isFile() && markedWritable(localInfo)));
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (localUsable || user.isEmpty()) {
        m_path = local;
    } else {
        // An installed program: settings live in the user's folder, starting from the
        // file shipped beside the program when there is one.
        m_path = QDir(user).filePath(FileName);
        if (!QFileInfo::exists(m_path) && localInfo.isFile()) {
            QDir().mkpath(user);
            QFile::copy(local, m_path);
            QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
        }
    }
    m_file = PrivateProfile(m_path);
}

Configuration& Configuration::program()
{
    if (!programConfiguration())
        reloadProgram();
    return *programConfiguration();
}

void Configuration::reloadProgram()
{
    programConfiguration() = std::make_unique<Configuration>(programFolder());
}

bool Configuration::isChecked(const QString& value)
{
    bool ok = false;
    const int n = value.trimmed().toInt(&ok);
    return ok && n == 1;
}

Configuration::Startup Configuration::readStartup() const
{
    Startup s;
    s.fileExisted = m_file.exists() && !m_file.unreadable();
    if (!s.fileExisted)
        return s;
    s.material = m_file.value(QStringLiteral("Preferens"), QStringLiteral("Spisok_material"),
                              QStringLiteral(" "));
    // Only a key that is present decides; without it the item keeps its built-in mark.
    const QString section = QStringLiteral("Language");
    for (const auto& [key, mark] : {std::pair{QStringLiteral("russian"), &s.russian},
                                    std::pair{QStringLiteral("english"), &s.english}})
        if (m_file.contains(section, key)) {
            *mark = isChecked(m_file.value(section, key));
            s.languageSaved = true;
        }
    return s;
}

bool Configuration::save(std::initializer_list<Entry> entries)
{
    // The file as it is now: what changed since the start stays.
    PrivateProfile file(m_path);
    QString why;
    if (file.tooLarge())
        m_failure = Failure::TooLarge;
    else if (file.unreadable())
        m_failure = Failure::Unreadable; // overwriting it would lose what it holds
    else {
        for (const Entry& e : entries)
            file.setValue(e.section, e.key, e.value);
        if (file.save(m_path, &why)) {
            m_file = file; // what the file holds now
            return true;
        }
        m_failure = Failure::NotWritten;
    }
    m_failureDetail = why;
    // This run goes on with the user's choices, kept in memory.
    if (m_file.unreadable())
        m_file = PrivateProfile::fromBytes({});
    for (const Entry& e : entries)
        m_file.setValue(e.section, e.key, e.value);
    return false;
}

bool Configuration::writeMaterial(const QString& text)
{
    return save({{QStringLiteral("Preferens"), QStringLiteral("Spisok_material"), text}});
}

bool Configuration::writeLanguage(bool russian)
{
    const QString section = QStringLiteral("Language");
    if (russian)
        return save({{section, QStringLiteral("Russian"), QStringLiteral("1")},
                     {section, QStringLiteral("English"), QStringLiteral("0")}});
    return save({{section, QStringLiteral("russian"), QStringLiteral("0")},
                 {section, QStringLiteral("english"), QStringLiteral("1")}});
}

QString Configuration::initialiseEmail()
{
    const QString value = m_file.value(QStringLiteral("Network"), QStringLiteral("Email"));
    if (!value.isEmpty())
        return value;
    save({{QStringLiteral("Network"), QStringLiteral("Email"), QStringLiteral("0")}});
    return QStringLiteral("0");
}

QString Configuration::emailAtExit() const
{
    return m_file.value(QStringLiteral("Network"), QStringLiteral("Email"), QStringLiteral(" "));
}

bool Configuration::writeEmailAnswered()
{
    return save({{QStringLiteral("Network"), QStringLiteral("Email"), QStringLiteral("1")}});
}

QString Configuration::takeFailureNotice()
{
    if (m_failure == Failure::None || m_told)
        return {};
    m_told = true;
    const Startup marks = readStartup();
    const bool english = marks.english && !marks.russian;
    const QString path = QDir::toNativeSeparators(m_path);
    QString why;
    switch (m_failure) {
    case Failure::TooLarge:
        why = english ? QStringLiteral("the file is larger than 16 MB")
                      : QStringLiteral("файл больше 16 МБ");
        break;
    case Failure::Unreadable:
        why = english ? QStringLiteral("the file cannot be read")
                      : QStringLiteral("файл не читается");
        break;
    case Failure::NotWritten:
    case Failure::None:
        why = m_failureDetail;
        break;
    }
    if (english)
        return QStringLiteral("The settings could not be saved to %1 (%2). Your choices apply "
                              "until the program is closed.")
            .arg(path, why);
    return QStringLiteral("Не удалось сохранить настройки в файл %1 (%2). Сделанный выбор "
                          "действует до закрытия программы.")
        .arg(path, why);
}

} // namespace tolvex
