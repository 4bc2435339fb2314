// A typed density over arbitrary text, in the main window's selection and in a
// geometry window's: accepted text gives the number it reads as, a refused one
// keeps the density, and the density is always finite.
#include "FuzzCheck.h"
#include "core/common/NumberText.h"
#include "core/geometry/WindowDensity.h"
#include "core/materials/DensitySelection.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const auto number = tolvex::parseNumber(text);
    const bool readable = text.isEmpty() || (number && std::isfinite(double(*number)));

    tolvex::materials::DensitySelection main;
    main.chooseMaterial(0);
    const double mainBefore = main.density();
    const bool mainTaken = main.typeText(text);
    fuzzCheck(mainTaken == readable, "main window acceptance", text);
    fuzzCheck(std::isfinite(main.density()), "main window density not finite", text);
    if (!mainTaken)
        fuzzCheck(main.density() == mainBefore, "refused text changed the density", text);
    else
        fuzzCheck(main.density() == (text.isEmpty() ? 1.0 : double(*number)), "main density", text);

    tolvex::geometry::WindowDensity window;
    window.chooseMaterial(0);
    const double windowBefore = window.density();
    const bool windowTaken = window.typeText(text);
    fuzzCheck(windowTaken == readable, "geometry window acceptance", text);
    fuzzCheck(std::isfinite(window.density()), "geometry density not finite", text);
    if (!windowTaken)
        fuzzCheck(window.density() == windowBefore, "refused text changed the density", text);
    else
        fuzzCheck(window.density() == (text.isEmpty() ? 0.0 : double(*number)), "geometry density",
                  text);
    return 0;
}
