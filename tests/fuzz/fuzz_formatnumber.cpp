// The number output forms over every finite long double built from the bytes
// (a 64-bit significand scaled by a power of two, so every binary exponent and
// the subnormal range are reached): the text reads back to a close value with
// the same text.
#include "FuzzCheck.h"
#include "core/common/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

using namespace tolvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 12)
        return 0;
    uint64_t significand = 0;
    int16_t exponent = 0;
    std::memcpy(&significand, data, 8);
    std::memcpy(&exponent, data + 8, 2);
    const uint8_t flags = data[10];
    const int decimals = data[11] % 24;
    long double value = std::ldexp(static_cast<long double>(significand), exponent % 16512);
    if (flags & 1)
        value = -value;
    if (!std::isfinite(value))
        return 0;
    const QChar point = (flags & 2) ? QChar('.') : QChar(',');
    const QString detail = QString::number(double(value), 'g', 17);

    const QString general = formatGeneral(value, point);
    const auto back = parseNumber(general, point);
    fuzzCheck(back.has_value(), "general form does not read back", general + " " + detail);
    fuzzCheck(formatGeneral(*back, point) == general, "general form changes on re-read", general);
    // 15 significant digits: within half a unit of the 15th digit.
    fuzzCheck(std::fabs(*back - value) <= std::fabs(value) * 1e-14L, "general form too far",
              general);

    const QString fixed = formatFixed(value, decimals, point);
    const auto fixedBack = parseNumber(fixed, point);
    fuzzCheck(fixedBack.has_value(), "fixed form does not read back", fixed + " " + detail);
    return 0;
}
