#pragma once

#include "core/calculators/Calculation.h"

// Round bar (diameter d in mm, length L in m, weight m in kg) and square bar or
// sheet (sides a, b in mm, length or thickness in mm) from the current density.
namespace tolvex::calc
{

struct RoundBarFields {
    QString diameter; // RzNumericEdit25
    QString length;   // RzNumericEdit26
    QString weight;   // RzNumericEdit27
};

Outcome roundBarWeight(const RoundBarFields& f, long double density, const QString& material);
Outcome roundBarLength(const RoundBarFields& f, long double density, const QString& material);

enum class Profile { None = -1, Square = 0, Sheet = 1 };

struct SquareSheetFields {
    QString sideA;  // RzNumericEdit21
    QString sideB;  // RzNumericEdit22
    QString length; // RzNumericEdit23: square length or sheet thickness
    QString weight; // RzNumericEdit24
};

// Weight from length (square) or thickness (sheet); no profile chosen: Status::Nothing.
Outcome squareSheetWeight(Profile p, const SquareSheetFields& f, long double density,
                          const QString& material);
// Length (square) or thickness (sheet) from weight.
Outcome squareSheetLength(Profile p, const SquareSheetFields& f, long double density,
                          const QString& material);

} // namespace tolvex::calc
