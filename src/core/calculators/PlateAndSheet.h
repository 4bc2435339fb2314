#pragma once

#include "core/calculators/ListChoice.h"
#include "core/calculators/PerMetre.h"

#include <QStringList>
#include <optional>

// Checker plate and profiled sheet: weight per square metre of each list item, keyed
// by the list's position. They are calculated like a product sold by the metre, with
// the area (m²) in place of the length.
namespace tolvex::calc
{

QStringList checkerPlateItems(); // the 16 patterns and base thicknesses
std::optional<long double> checkerPlateKgPerSquareMetre(int itemPos);
QStringList profiledSheetItems(); // the 29 designations (Latin letters; two end in a tab)
std::optional<long double> profiledSheetKgPerSquareMetre(int itemPos);

// Weight from area and area from weight; both convert the field's text. Without an
// item the result field keeps its text and the report is written.
// `fields.length` is the area field's text.
Outcome checkerPlateWeight(const ListChoice& item, const PerMetreFields& fields);
Outcome checkerPlateArea(const ListChoice& item, const PerMetreFields& fields);
Outcome profiledSheetWeight(const ListChoice& item, const PerMetreFields& fields);
Outcome profiledSheetArea(const ListChoice& item, const PerMetreFields& fields);

} // namespace tolvex::calc
