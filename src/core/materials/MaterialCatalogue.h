#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <vector>

// The material catalogue (52 entries, sorted as the material box shows them) and
// the alloy catalogue (126 entries, in list order), with their densities in g/cm³.
// A density belongs to its catalogue entry: the windows carry the entry's index
// with each list item, so a translated, re-sorted list still gives the right value.
namespace tolvex::materials
{

struct Material {
    QString text;      // built-in Russian text, exactly as listed
    double density;    // g/cm³
    int alloyPosition; // first alloy of the group for the eight "(из списка)" entries, else -1
    bool isGroup() const { return alloyPosition >= 0; }
};

struct Alloy {
    QString text;
    double density;
};

const std::vector<Material>& materials(); // 52, in built-in sorted order
const std::vector<Alloy>& alloys();       // 126, in list order

// Index of the built-in material entry with exactly this text, or -1.
int materialIndexOf(const QString& text);

// The entry a saved material text names: its catalogue index, looked up in the
// built-in list and then in each of `lists` (material names in catalogue order, such
// as the shipped language files' lists), so a text saved in either language restores.
// Leading and trailing blanks do not count (the configuration file drops them). -1
// when no entry has this text (a typed density).
int savedMaterialIndex(const QString& saved, const QList<QStringList>& lists = {});

} // namespace tolvex::materials
