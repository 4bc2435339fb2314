#pragma once

#include "core/calculators/ListChoice.h"
#include "core/calculators/PerMetre.h"

#include <QStringList>
#include <optional>

// Hexagon bar, sized by the diameter of its inscribed circle: weight per metre and
// the stored metres per tonne of each size, keyed by the size list's position.
namespace tolvex::calc
{

QStringList hexagonSizes(); // the 41 sizes, mm
std::optional<long double> hexagonKgPerMetre(int sizePos);
// The stored metres per tonne in the number output form; a null text for no size.
QString hexagonMetresPerTonneText(int sizePos);

// Weight from length (the length field's value) and length from weight (the weight
// field's text converted). Without a size the weight per metre is 0: the weight comes
// out as 0 and the length is a floating-point error.
Outcome hexagonWeight(const ListChoice& size, const PerMetreFields& fields);
Outcome hexagonLength(const ListChoice& size, const PerMetreFields& fields);

} // namespace tolvex::calc
