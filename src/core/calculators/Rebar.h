#pragma once

#include "core/calculators/ListChoice.h"
#include "core/calculators/PerMetre.h"

#include <QStringList>
#include <optional>

// Reinforcing bar: weight per metre of each nominal diameter, keyed by the diameter
// list's position.
namespace tolvex::calc
{

QStringList rebarDiameters(); // the 20 diameters, mm
std::optional<long double> rebarKgPerMetre(int diameterPos);

// Weight from length and length from weight (both from the fields' values); without
// a diameter the result field keeps its text and the report is written.
Outcome rebarWeight(const ListChoice& diameter, const PerMetreFields& fields);
Outcome rebarLength(const ListChoice& diameter, const PerMetreFields& fields);

} // namespace tolvex::calc
