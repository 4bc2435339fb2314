#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

// Private-profile (INI) files with the Windows semantics the program's files
// were made for: section and key names match without regard to case (Cyrillic
// too), the first occurrence of a section or key wins, a write replaces the value
// in place or appends it (creating the section and the file as needed) and keeps
// every other line as it was. Reading accepts UTF-8 and, where the bytes are not
// valid UTF-8, Windows-1251; writing is UTF-8 through QSaveFile.
namespace tolvex
{

class PrivateProfile
{
public:
    // Reads the whole file; a missing or unreadable file reads as empty.
    explicit PrivateProfile(const QString& path);

    bool exists() const { return m_exists; }
    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    bool contains(const QString& section, const QString& key) const;

    // One read or write of one entry, the file opened afresh each time.
    static QString readString(const QString& path, const QString& section, const QString& key,
                              const QString& fallback = {});
    // Returns false when the file could not be written (the caller may ignore it).
    static bool writeString(const QString& path, const QString& section, const QString& key,
                            const QString& value);

    // Decodes file bytes: UTF-8 (with or without a byte-order mark) or Windows-1251.
    static QString decode(const QByteArray& bytes);

private:
    bool m_exists = false;
    QHash<QString, QHash<QString, QString>> m_sections; // folded section -> folded key -> value
};

// The Windows-1251 code page (Cyrillic ANSI), one byte per character.
QString decodeWindows1251(const QByteArray& bytes);

} // namespace tolvex
