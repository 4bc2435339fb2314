#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The plastics reference: one row per list item (48 items, section headers and an
// empty line included), ten property cells and two texts, all held as text exactly as
// tabled. A line break inside a value is a "\n"; "•" stands between a mantissa and the
// power of ten written as 10(exponent).
namespace tolvex::plastics
{

constexpr int itemCount = 48;
constexpr int propertyCount = 10;

struct Plastic {
    QString item;                                  // the list item ("Полиамиды")
    std::array<QString, propertyCount> properties; // σр, E, δ, aн, HB, γ, Tпл, Martens, α, frost
    QString processing;                            // "Методы переработки"
    QString description;                           // "Особенность применения"
};

const Plastic& plastic(int index); // 0 … 47
QStringList items();               // the 48 list items in order

// Whether an item is a section header or the empty line: it fills an empty line into
// every box instead of values.
bool isSeparator(int index);

// The heading of a property cell: its symbol (with the part written lowered after "_",
// "σ_р", "T_пл") and its unit.
struct Heading {
    QString symbol;
    QString subscript;
    QString unit;
    QString meaning;
};
const std::array<Heading, propertyCount>& headings();

// The page "Общие понятия" as rich text (HTML).
QString generalNotions();

} // namespace tolvex::plastics
