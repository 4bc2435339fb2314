#pragma once

#include "core/app/LanguageKeys.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// Reading a language file into what the windows show: one text per target of the key
// table, the material and alloy names and the message texts.
namespace tolvex::language
{

struct LanguagePlan {
    bool fileExists = false;
    QStringList form;                    // one text per formTargets() entry, in the same order
    QStringList materials;               // materialCount names in catalogue order
    QStringList alloys;                  // alloyCount names in catalogue order
    QList<QPair<int, QString>> messages; // (number, text) in key order
};

// Reads the file (UTF-8 or Windows-1251; a missing or unreadable file reads as one
// without keys). A key the file lacks gives the empty text, except a message, which
// keeps its built-in text: an information box never comes up empty.
LanguagePlan readLanguageFile(const QString& path);

// Which file applying the language reads: russian.lng when only "Русский" is
// checked, english.lng when only "English" is, otherwise the file used last.
QString chooseLanguageFile(bool russianChecked, bool englishChecked, const QString& current);

// The first of `folders` that holds the file `name`; empty when none does.
QString locateLanguageFile(const QString& name, const QStringList& folders);

// The material lists (catalogue order) of the shipped language files, russian.lng and
// english.lng, as far as they are found in `folders`.
QList<QStringList> shippedMaterialLists(const QStringList& folders);

} // namespace tolvex::language
