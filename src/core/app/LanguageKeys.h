#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The language key table: which key of a language file feeds which text of which
// window. Section "Form" holds the interface texts; one key may feed many targets,
// each text of a control is fed by at most one key. Sections "Spisok_material" and
// "Spisok_splavov" hold the material and alloy names in catalogue order, section
// "Message" the texts of the program's information boxes.
//
// A "Form" target may also be given a text of its own with the key
// "<key>@<target id>" (for example "LNG_172@Form26.RzRadioGroup2.caption"): a key
// feeds some targets whose built-in texts differ (the pressure calculator's group
// and the rhombus page share LNG_172), and a file that gives such a target its own
// text restores it exactly. Files without these keys work as the table alone says.
namespace tolvex::language
{

enum class TextKind {
    Caption, // a label's, button's, group's, menu item's or tab page's caption
    Hint,    // the tool tip
    Item,    // item n of a radio group
    Title    // the window's caption
};

struct Target {
    QString key;     // "LNG_98", "LNG_74)"
    QString window;  // objectName of the window
    QString control; // objectName of the control; empty for the window's caption
    TextKind kind;
    int item;        // the item's position for TextKind::Item, else -1
    QString builtIn; // the built-in Russian text

    // "frmGeneral.RzLabel72.caption", "frmGeneral.RadioGroup3.item0", "Form6.title"
    QString id() const;
    QString overrideKey() const; // key + "@" + id()
};

// The windows the table writes into, in the order they are applied.
// frmGeneral, Form26, Form6, frmVolume, Form5, AboutBox, frmMassUnits, frmAreaUnits.
QStringList targetWindows();

// Every "Form" target, window by window in that order and, inside a window, key by key
// in the table's order (190, 14, 125, 47, 11 and 2 targets).
const std::vector<Target>& formTargets();

QString formSection();     // "Form"
QString materialSection(); // "Spisok_material"
QString alloySection();    // "Spisok_splavov"
QString messageSection();  // "Message"

constexpr int materialCount = 52;
constexpr int alloyCount = 126;
QString materialKey(int index); // LNG_239 … LNG_290, catalogue index 0–51
QString alloyKey(int index);    // LNG_291 … LNG_416, catalogue index 0–125

struct Message {
    int number;      // 419, 421 … 425
    QString builtIn; // the text shown before a file is applied, and when a file lacks it
};
const std::vector<Message>& messages(); // in key order
QString messageKey(int number);         // "LNG_419"
QString builtInMessage(int number);     // empty for a number that is no message key

QString russianFileName(); // "russian.lng"
QString englishFileName(); // "english.lng"

// The hook-thread window's caption has no key: its Russian design caption, or the
// program's own English caption when the English file is applied.
QString hookCaption(bool english);

} // namespace tolvex::language
