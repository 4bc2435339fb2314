#pragma once

#include "core/calculators/Calculation.h"
#include "core/calculators/ListChoice.h"

#include <QStringList>
#include <optional>

// Fasteners: the weight of bolts with their nuts, chosen by bolt diameter and length.
// Keys: the diameter list's position; within a diameter, the length list's position.
namespace tolvex::calc
{

QStringList boltDiameters();                      // the 16 diameters, mm
QStringList boltLengths(int diameterPos);         // the lengths of a diameter (empty for none)
std::optional<double> nutWeight(int diameterPos); // one nut, kg
std::optional<long double> boltWeight(int diameterPos, int lengthPos); // one bolt, kg

// The unit text after the number in the result label (and so at the end of the report).
inline const QString FastenerWeightUnit = QStringLiteral(" кг.");

// `bolt`: total weight of `count` bolts with nuts, (bolt + nut) × count. Refusal rule
// on the count (LNG_419); the count's text is converted. The result is the label's new
// text; without a (diameter, length) pair it is the label's current text `label`, and
// the report is still written.
Outcome bolt(const ListChoice& diameter, const ListChoice& length, const QString& count,
             const QString& label);

} // namespace tolvex::calc
