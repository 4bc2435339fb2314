#pragma once

#include <QString>
#include <QStringList>
#include <vector>

// The texts of the rope assortment window: the classification, the recommendations
// and the 26 constructions of the picture grid.
namespace tolvex::ropes
{

struct AssortmentEntry {
    QStringList lines; // rope type and construction, standard: exactly as the box shows them
    QString uses;      // the uses, as one paragraph
    QString section;   // the construction formula the picture is drawn from
};

inline constexpr int assortmentColumns = 5;

// The 26 constructions in grid order (row by row, five to a row).
const std::vector<AssortmentEntry>& assortmentEntries();

// The information box text: the first lines, then the uses wrapped at 55
// characters, lines separated by a line feed followed by a carriage return.
QString assortmentText(const AssortmentEntry& entry);

// Greedy word wrap: lines of at most `width` characters (a longer word stands alone).
QStringList wrapWords(const QString& text, int width);

QString classificationText();  // tab "Подразделение"
QString recommendationsText(); // tab "Рекомендации по применению"

} // namespace tolvex::ropes
