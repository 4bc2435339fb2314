#pragma once

#include <QString>

namespace tolvex
{

// The profile drawings of the program, one lookup for the sketch window, the
// picture windows and the printed result sheet.
enum class Drawing {
    None,
    Channel,         // sloping-flange channel (Image2)
    Rail,            // crane rail (Image3)
    EqualAngle,      // equal-leg angle (Image4)
    UnequalAngle,    // unequal-leg angle
    IBeam,           // I-beam
    CheckerPlate,    // picture of Form13
    Rebar,           // picture of Form14
    SquareTube,      // picture of Prof_trub
    RectangularTube, // picture of Form25
};

// The resource path of a drawing (":/drawings/….svg"); empty for Drawing::None or a
// drawing that does not exist yet.
QString drawingPath(Drawing drawing);

} // namespace tolvex
