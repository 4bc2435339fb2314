#pragma once

#include "core/calculators/Calculation.h"

// Round pipe: weight from length (`truba`) and length from weight (`truba1`) for the
// current density, given the outer or the inner diameter and the wall thickness
// (mm), the length in m and the weight in kg.
namespace tolvex::calc
{

enum class DiameterKind { None = -1, Outer = 0, Inner = 1 };

struct PipeFields {
    QString diameter; // neDiametrTrubi
    QString wall;     // RzNumericEdit18
    QString length;   // RzNumericEdit19
    QString weight;   // RzNumericEdit20
};

// Where the material comes from: the material box, or the alloy box while a group
// entry of the material box is selected (the weight report differs).
enum class MaterialSource { MaterialBox, AlloyBox };

// A refusal when a diameter was given but its kind (outer or inner) was not chosen;
// the outcome carries this message key, and pipeKindMissingText() is its text.
inline constexpr int PipeKindMissing = -1;
QString pipeKindMissingText();

// Weight from length. Refusal rule on the diameter, wall and length fields in order.
// The surface line is added when the outer diameter is given, `withSurface` is set
// and the material comes from the material box.
Outcome truba(DiameterKind kind, const PipeFields& fields, long double density,
              const QString& material, MaterialSource source, bool withSurface);

// Length from weight. Refusal rule on the diameter, wall and weight fields in order.
Outcome truba1(DiameterKind kind, const PipeFields& fields, long double density,
               const QString& material);

// Total surface of a pipe in m²: the outer and inner mantles and the two end rings,
// for the outer diameter D and the wall s in mm and the length L in m:
// A = π·D·L/1000 + π·(D − 2s)·L/1000 + 2 · π/4 · (D² − (D − 2s)²) / 10⁶.
long double pipeSurface(long double outerDiameter, long double wall, long double length);

} // namespace tolvex::calc
