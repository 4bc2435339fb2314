#pragma once

#include <QChar>
#include <QString>

// The thread diameter of a crane hook's shank:
//   design strength          σ = σт / s
//   design thread diameter   d = 100 × √(4·Q / (π·σт / s))
//   nominal thread diameter  D = d + 0,9 × p
// Each result is the first six characters of its general-form text with its unit.
namespace tolvex::hook
{

struct HookInput {
    long double load = 0;   // Q, kN
    long double yield = 0;  // σт, MPa
    long double safety = 0; // s
    long double pitch = 0;  // p, mm
};

enum class HookCheck {
    Ok,
    AllZero,      // all four inputs 0: message LNG_419
    ZeroSafety,   // s = 0 would divide by zero
    ZeroYield,    // σт = 0 would divide by zero
    NegativeRoot, // Q and σт / s of opposite signs: no real root
    Overflow,     // a result beyond the range of a double: the floating-point error
};

HookCheck checkHook(const HookInput& input);
// The information text for a failed check other than AllZero and Overflow.
QString hookCheckText(HookCheck check);

struct HookResult {
    QString strength;        // "120 МПа"
    QString designDiameter;  // "103,00 мм."
    QString nominalDiameter; // "105,70 мм."
};

// Only for inputs that passed the check.
HookResult hookResult(const HookInput& input, bool english, QChar decimalPoint);
HookResult hookResult(const HookInput& input, bool english);

} // namespace tolvex::hook
