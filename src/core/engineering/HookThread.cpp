#include "core/engineering/HookThread.h"

#include "core/common/NumberText.h"

#include <cmath>
#include <numbers>

namespace tolvex::hook
{

namespace
{
constexpr int resultWidth = 6;

QString cut(long double value, QChar decimalPoint)
{
    return cutText(formatGeneral(value, decimalPoint), resultWidth);
}

struct Values {
    long double strength, design, nominal;
};

Values values(const HookInput& in)
{
    const long double strength = in.yield / in.safety;
    const long double design =
        100.0L * std::sqrt(4.0L * in.load / (std::numbers::pi_v<long double> * strength));
    return {strength, design, design + 0.9L * in.pitch};
}
} // namespace

HookCheck checkHook(const HookInput& in)
{
    if (in.load == 0 && in.yield == 0 && in.safety == 0 && in.pitch == 0)
        return HookCheck::AllZero;
    if (in.safety == 0)
        return HookCheck::ZeroSafety;
    if (in.yield == 0)
        return HookCheck::ZeroYield;
    if (in.load / (in.yield / in.safety) < 0)
        return HookCheck::NegativeRoot;
    const Values v = values(in);
    if (!fitsDouble(v.strength) || !fitsDouble(v.design) || !fitsDouble(v.nominal))
        return HookCheck::Overflow;
    return HookCheck::Ok;
}

QString hookCheckText(HookCheck check)
{
    switch (check) {
    case HookCheck::ZeroSafety:
        return QStringLiteral("Коэффициент запаса прочности не может быть равен 0.");
    case HookCheck::ZeroYield:
        return QStringLiteral("Предел текучести стали крюка не может быть равен 0.");
    case HookCheck::NegativeRoot:
        return QStringLiteral("Нагрузка, предел текучести и коэффициент запаса прочности "
                              "должны быть положительными.");
    case HookCheck::Ok:
    case HookCheck::AllZero:
    case HookCheck::Overflow:
        break;
    }
    return {};
}

HookResult hookResult(const HookInput& in, bool english, QChar decimalPoint)
{
    const Values v = values(in);
    const QString mm = QStringLiteral(" мм.");
    return {cut(v.strength, decimalPoint) +
                (english ? QStringLiteral(" MPa") : QStringLiteral(" МПа")),
            cut(v.design, decimalPoint) + mm, cut(v.nominal, decimalPoint) + mm};
}

HookResult hookResult(const HookInput& input, bool english)
{
    return hookResult(input, english, systemDecimalPoint());
}

} // namespace tolvex::hook
