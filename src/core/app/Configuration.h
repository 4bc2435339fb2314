#pragma once

#include "core/common/PrivateProfile.h"

#include <QString>
#include <initializer_list>

// The configuration file tolvex.ini: the last material text, the language marks and
// whether the user has answered the news-subscription offer. The file is read once
// when the program starts and once more at every save (so that what another copy of
// the program wrote meanwhile is kept); a save changes only its own lines and
// replaces the file atomically. A save that fails is remembered, for the user to be
// told once.
namespace tolvex
{

class Configuration
{
public:
    // The file in `folder`; when that folder or the file there cannot be written (or
    // the file is marked read-only, or is no plain file), the file in the user's
    // configuration folder is used instead.
    explicit Configuration(const QString& folder);

    // The running program's configuration: read at start (reloadProgram) and shared
    // by every window.
    static Configuration& program();
    static void reloadProgram(); // from programFolder()

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

    // Each returns false when the file could not be saved.
    bool writeMaterial(const QString& text);
    // Russian: Russian=1, English=0; else russian=0, english=1.
    bool writeLanguage(bool russian);

    // Start-up: the Email entry, written "0" when it is empty or missing.
    QString initialiseEmail();
    // Shut-down: the Email entry with " " as default.
    QString emailAtExit() const;
    bool writeEmailAnswered(); // Email=1

    // After the first save of this run that failed: the text telling the user so
    // (in English when that is the language chosen last), once; empty before such a
    // failure and after the text has been taken.
    QString takeFailureNotice();

    // A language value counts as checked only when it is the integer 1.
    static bool isChecked(const QString& value);

private:
    struct Entry {
        QString section;
        QString key;
        QString value;
    };
    bool save(std::initializer_list<Entry> entries);

    QString m_path;
    PrivateProfile m_file;
    enum class Failure { None, Unreadable, TooLarge, NotWritten } m_failure = Failure::None;
    QString m_failureDetail;
    bool m_told = false;
};

} // namespace tolvex
