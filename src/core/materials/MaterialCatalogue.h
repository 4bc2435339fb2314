#pragma once

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

} // namespace tolvex::materials
