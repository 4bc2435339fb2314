#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <vector>

// Private-profile (INI) files with the Windows semantics the program's files
// were made for: section and key names match without regard to case (Cyrillic
// too), the first occurrence of a section or key wins, a write replaces the value
// in place or appends it (creating the section and the file as needed) and keeps
// every other byte of the file as it was. Reading accepts UTF-8 and, where the
// bytes are not valid UTF-8, Windows-1251; a written line takes the file's own
// encoding and line ends. Files are saved whole through QSaveFile, so a save that
// fails half-way leaves the old file.
namespace tolvex
{

class PrivateProfile
{
public:
    // A larger file is no settings or language file of the program: it reads as
    // empty and is never written (see tooLarge()).
    static constexpr qint64 MaximumSize = 16 * 1024 * 1024;

    PrivateProfile() = default;
    // Reads the whole file once; a missing or unreadable file reads as empty.
    explicit PrivateProfile(const QString& path);
    static PrivateProfile fromBytes(const QByteArray& bytes);

    bool exists() const { return m_exists; }
    // The file exists but could not be read (a folder of that name, no permission)
    // or is larger than MaximumSize.
    bool unreadable() const { return m_unreadable; }
    bool tooLarge() const { return m_tooLarge; }

    QString value(const QString& section, const QString& key, const QString& fallback = {}) const;
    bool contains(const QString& section, const QString& key) const;

    // Sets one entry in the held bytes: only that entry's line changes, or one line
    // (with its section header when the section is new) is added.
    void setValue(const QString& section, const QString& key, const QString& value);
    const QByteArray& bytes() const { return m_bytes; }
    // Saves the held bytes atomically; on failure `error` (when given) says why.
    bool save(const QString& path, QString* error = nullptr) const;

    // One read or write of one entry, the file read afresh each time.
    static QString readString(const QString& path, const QString& section, const QString& key,
                              const QString& fallback = {});
    // Returns false when the file could not be written (the caller may ignore it).
    static bool writeString(const QString& path, const QString& section, const QString& key,
                            const QString& value);

    // Decodes file bytes: UTF-8 (with or without a byte-order mark) or Windows-1251.
    static QString decode(const QByteArray& bytes);

private:
    struct Line {
        qsizetype start = 0; // first byte of the text
        qsizetype end = 0;   // one past the text, where the line end begins
        qsizetype next = 0;  // first byte of the following line
    };
    struct Section {
        qsizetype lastContent = 0;      // the header or its last non-blank line
        QHash<QString, qsizetype> keys; // folded key -> line of its first entry
    };

    void parse();
    QString text(qsizetype from, qsizetype to) const;
    QByteArray encode(const QString& text) const;
    const Section* findSection(const QString& section) const;

    QByteArray m_bytes;
    bool m_exists = false;
    bool m_unreadable = false;
    bool m_tooLarge = false;
    bool m_utf8 = true;
    qsizetype m_bom = 0;
    QByteArray m_eol = QByteArrayLiteral("\r\n");
    std::vector<Line> m_lines;
    std::vector<Section> m_sections;          // the first section of each name, in file order
    QHash<QString, qsizetype> m_sectionIndex; // folded name -> index in m_sections
};

// The Windows-1251 code page (Cyrillic ANSI), one byte per character.
QString decodeWindows1251(const QByteArray& bytes);
// The text in Windows-1251; false (and nothing) when a character has no byte there.
bool encodeWindows1251(const QString& text, QByteArray* out);

} // namespace tolvex
