#pragma once

#include "core/calculators/PerMetre.h"

#include <vector>

// Equal-leg and unequal-leg steel angles: a size and a leg thickness chosen from
// lists, a fixed weight per metre, both directions. The material plays no part.
namespace tolvex::calc
{

struct AngleThickness {
    QString text; // list text, comma as decimal separator
    long double kgPerMetre;
};

struct AngleSize {
    QString text;                            // width ("50") or size ("140 х 90", Cyrillic х)
    std::vector<AngleThickness> thicknesses; // the thickness list of the size, in order
};

using AngleTable = std::vector<AngleSize>; // keyed by size position, then thickness position

const AngleTable& equalLegAngles();   // ComboBox12: 23 widths, 84 entries
const AngleTable& unequalLegAngles(); // ComboBox11: 19 sizes, 50 entries

QStringList angleSizeTexts(const AngleTable& table);
// The thickness list of a size position (empty for a position off the table).
QStringList angleThicknessTexts(const AngleTable& table, int sizePosition);
std::optional<long double> angleKgPerMetre(const AngleTable& table, int sizePosition,
                                           int thicknessPosition);

enum class AngleType { None = -1, EqualLeg = 0, UnequalLeg = 1 };

// The state of the panel's lists: positions (-1 for none) and texts.
struct AngleSelection {
    AngleType type = AngleType::None;
    int widthPosition = -1; // ComboBox12
    int sizePosition = -1;  // ComboBox11
    int thicknessPosition = -1;
    QString widthText;
    QString sizeText;
    QString thicknessText;
};

// The weight per metre of the selection: with a type selected, only that type's
// table is consulted; with none, the equal-leg table.
std::optional<long double> angleKgPerMetre(const AngleSelection& selection);

// Weight from length (`Ugolok`) and length from weight (`Ugolok1`). The fields are
// converted from their texts (an empty text is no number). Without a matching entry
// the result is the result field's text as it stands. With no type selected no
// report is written: the outcome's report is then a null text.
Outcome Ugolok(const AngleSelection& selection, const PerMetreFields& fields);
Outcome Ugolok1(const AngleSelection& selection, const PerMetreFields& fields);

} // namespace tolvex::calc
