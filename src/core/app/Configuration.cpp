#include "core/app/Configuration.h"

#include "core/app/ProgramFolder.h"
#include "core/common/PrivateProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <utility>

namespace tolvex
{

namespace
{

const QString FileName = QStringLiteral("tolvex.ini");

bool folderWritable(const QString& folder)
{
    if (!QFileInfo(folder).isDir())
        return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".tolvex-XXXXXX")));
    return probe.open();
}

} // namespace

Configuration::Configuration(const QString& folder)
{
    const QString local = QDir(folder).filePath(FileName);
    const bool localUsable = QFileInfo::exists(local)
                                 ? QFileInfo(local).isWritable() && folderWritable(folder)
                                 : folderWritable(folder);
    const QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (localUsable || user.isEmpty()) {
        m_path = local;
        return;
    }
    // An installed program: settings live in the user's folder, starting from the
    // file shipped beside the program when there is one.
    m_path = QDir(user).filePath(FileName);
    if (!QFileInfo::exists(m_path) && QFileInfo::exists(local)) {
        QDir().mkpath(user);
        QFile::copy(local, m_path);
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::WriteOwner);
    }
}

Configuration Configuration::forProgram()
{
    return Configuration(programFolder());
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
    const PrivateProfile file(m_path);
    s.fileExisted = file.exists();
    if (!s.fileExisted)
        return s;
    s.material = file.value(QStringLiteral("Preferens"), QStringLiteral("Spisok_material"),
                            QStringLiteral(" "));
    // Only a key that is present decides; without it the item keeps its built-in mark.
    const QString section = QStringLiteral("Language");
    for (const auto& [key, mark] : {std::pair{QStringLiteral("russian"), &s.russian},
                                    std::pair{QStringLiteral("english"), &s.english}})
        if (file.contains(section, key)) {
            *mark = isChecked(file.value(section, key));
            s.languageSaved = true;
        }
    return s;
}

void Configuration::writeMaterial(const QString& text) const
{
    PrivateProfile::writeString(m_path, QStringLiteral("Preferens"),
                                QStringLiteral("Spisok_material"), text);
}

void Configuration::writeLanguage(bool russian) const
{
    const QString section = QStringLiteral("Language");
    if (russian) {
        PrivateProfile::writeString(m_path, section, QStringLiteral("Russian"),
                                    QStringLiteral("1"));
        PrivateProfile::writeString(m_path, section, QStringLiteral("English"),
                                    QStringLiteral("0"));
    } else {
        PrivateProfile::writeString(m_path, section, QStringLiteral("russian"),
                                    QStringLiteral("0"));
        PrivateProfile::writeString(m_path, section, QStringLiteral("english"),
                                    QStringLiteral("1"));
    }
}

QString Configuration::initialiseEmail() const
{
    const QString value =
        PrivateProfile::readString(m_path, QStringLiteral("Network"), QStringLiteral("Email"));
    if (value.isEmpty())
        PrivateProfile::writeString(m_path, QStringLiteral("Network"), QStringLiteral("Email"),
                                    QStringLiteral("0"));
    return value.isEmpty() ? QStringLiteral("0") : value;
}

QString Configuration::emailAtExit() const
{
    return PrivateProfile::readString(m_path, QStringLiteral("Network"), QStringLiteral("Email"),
                                      QStringLiteral(" "));
}

void Configuration::writeEmailAnswered() const
{
    PrivateProfile::writeString(m_path, QStringLiteral("Network"), QStringLiteral("Email"),
                                QStringLiteral("1"));
}

} // namespace tolvex
