// Text to number over arbitrary text: never crashes; whatever is accepted is
// finite, and its general form reads back to a value with the same general form.
#include "FuzzCheck.h"
#include "core/common/NumberText.h"

#include <cmath>
#include <cstddef>
#include <cstdint>

using namespace tolvex;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    const QChar point = (data[0] & 1) ? QChar('.') : QChar(',');
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));

    const auto number = parseNumber(text, point);
    const auto field = parseFieldValue(text, point);
    if (field)
        fuzzCheck(number.has_value(), "a field value the number reader refuses", text);
    for (const auto& value : {number, field}) {
        if (!value)
            continue;
        fuzzCheck(std::isfinite(*value), "accepted a non-finite value", text);
        const QString written = formatGeneral(*value, point);
        const auto reread = parseNumber(written, point);
        fuzzCheck(reread.has_value(), "written form does not read back", text + " -> " + written);
        fuzzCheck(formatGeneral(*reread, point) == written, "written form changes on re-read",
                  text + " -> " + written);
    }
    return 0;
}
