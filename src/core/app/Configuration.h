#pragma once

#include <QString>

// The configuration file tolvex.ini: the last material text, the language marks and
// whether the user has answered the news-subscription offer. Every access opens the
// file afresh; writes that fail (a read-only folder) are silently ignored.
namespace tolvex
{

class Configuration
{
public:
    // The file in `folder`; when that folder cannot be written, the file in the
    // user's configuration folder is used instead.
    explicit Configuration(const QString& folder);
    static Configuration forProgram(); // in programFolder()

    QString path() const { return m_path; }

    struct Startup {
        bool fileExisted = false;
        QString material = QStringLiteral(" "); // Preferens / Spisok_material
        // The language marks: a key that is present is checked when it is 1; a missing
        // key (no language chosen yet) keeps the built-in mark, "Русский" checked.
        bool russian = true;        // Language / russian
        bool english = false;       // Language / english
        bool languageSaved = false; // either key is present: the user chose a language
    };
    Startup readStartup() const;

    void writeMaterial(const QString& text) const;
    void
    writeLanguage(bool russian) const; // Russian: Russian=1, English=0; else russian=0, english=1

    // Start-up: the Email entry, written "0" when it is empty or missing.
    QString initialiseEmail() const;
    // Shut-down: the Email entry with " " as default.
    QString emailAtExit() const;
    void writeEmailAnswered() const; // Email=1

    // A language value counts as checked only when it is the integer 1.
    static bool isChecked(const QString& value);

private:
    QString m_path;
};

} // namespace tolvex
