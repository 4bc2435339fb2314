#include "core/geometry/Solids.h"

#include "core/calculators/Calculation.h"
#include "core/common/NumberText.h"
#include "core/geometry/GeometryNumbers.h"

#include <cmath>
#include <vector>

namespace tolvex::geometry
{

using calc::Pi;

SolidValues Prizma(long double P, long double S, long double H)
{
    return {P * H, P * H + 2 * S, S * H};
}

SolidValues Piramida(long double P, long double a, long double S, long double H)
{
    return {P * a / 2, S + P * a / 2, S * H / 3};
}

SolidValues Piramida_Us(long double P1, long double P2, long double a, long double S1,
                        long double S2, long double H)
{
    const long double lateral = (P1 + P2) * a / 2;
    return {lateral, lateral + S1 + S2, (S1 + S2 + std::sqrt(S1 * S2)) * H / 3};
}

SolidValues cilindr(long double D, long double H)
{
    return {Pi * D * H, Pi * D * (D + 2 * H) / 2, Pi * D * D * H / 4};
}

SolidValues cilindr_Us(long double D, long double h, long double H)
{
    const long double lateral = Pi * D * (h + H) / 2;
    const long double base = Pi * D * D / 4;
    // The cut face is an ellipse with semi-axes D/2 and √((D/2)² + ((H − h)/2)²).
    const long double cut = Pi * (D / 2) * std::sqrt((D / 2) * (D / 2) + (H - h) * (H - h) / 4);
    return {lateral, lateral + base + cut, Pi * D * D * (h + H) / 8};
}

SolidValues konus(long double r, long double H)
{
    return {Pi * r * std::sqrt(r * r + H * H), std::nullopt, Pi * r * r * H / 3};
}

SolidValues konus_Us(long double D1, long double D2, long double l, long double H)
{
    return {Pi * (D1 + D2) * l / 2, std::nullopt, Pi * H * (D1 * D1 + D2 * D2 + D1 * D2) / 12};
}

SolidValues shar(long double D)
{
    return {std::nullopt, Pi * D * D, Pi * D * D * D / 6};
}

SolidValues shar_sektor(long double r, long double R, long double h)
{
    return {std::nullopt, Pi * R * (2 * h + r), 2 * Pi * R * R * h / 3};
}

SolidValues shar_segment(long double r, long double R, long double h)
{
    SolidValues v{2 * Pi * R * h, std::nullopt, std::nullopt};
    if (r != 0)
        v.volume = Pi * h * (3 * r * r + h * h) / 6;
    if (R != 0)
        v.volume = Pi * h * h * (R - h / 3);
    return v;
}

SolidValues shar_poyas(long double r1, long double r2, long double R, long double h)
{
    return {2 * Pi * R * h, std::nullopt, Pi * h / 2 * (r1 * r1 + r2 * r2 + h * h / 3)};
}

SolidValues tor(long double d, long double D)
{
    return {Pi * Pi * d * D, std::nullopt, Pi * Pi * D * d * d / 4};
}

namespace
{

QString line(const std::optional<long double>& value, long double divisor, QChar point)
{
    return value ? solidNumber(*value / divisor, point) : QString();
}

bool finite(const std::optional<long double>& value)
{
    return !value || fitsDouble(*value);
}

} // namespace

SolidLines solidLines(const SolidValues& values, long double density, QChar decimalPoint)
{
    std::optional<long double> weight;
    if (values.volume)
        weight = *values.volume * density / 1000000;
    return {line(values.lateral, 1000000, decimalPoint), line(values.total, 1000000, decimalPoint),
            line(values.volume, 1000000000, decimalPoint), line(weight, 1, decimalPoint)};
}

long double prismBaseLimit(long double P)
{
    return (P / 4) * (P / 4);
}

QString prismBaseMessage(long double limit, QChar decimalPoint)
{
    return QStringLiteral("При данном периметре, площадь основания ") + QStringLiteral("\n\r") +
           QStringLiteral(" должна быть не более ") + formatGeneral(limit, decimalPoint) +
           QStringLiteral(" кв.мм.");
}

SolidOutcome computeSolid(Solid which, const QStringList& fieldTexts, long double density)
{
    return computeSolid(which, fieldTexts, density, systemDecimalPoint());
}

SolidOutcome computeSolid(Solid which, const QStringList& fieldTexts, long double density,
                          QChar decimalPoint)
{
    std::vector<long double> v;
    for (const QString& text : fieldTexts)
        v.push_back(readDimension(text, decimalPoint));
    v.resize(6, 0.0L); // at most six inputs

    SolidValues values;
    switch (which) {
    case Solid::Prizma: {
        const long double limit = prismBaseLimit(v[0]);
        if (v[1] > limit)
            return {SolidOutcome::PrismBaseTooLarge, {}, prismBaseMessage(limit, decimalPoint)};
        values = Prizma(v[0], v[1], v[2]);
        break;
    }
    case Solid::Piramida:
        values = Piramida(v[0], v[1], v[2], v[3]);
        break;
    case Solid::PiramidaUs:
        values = Piramida_Us(v[0], v[1], v[2], v[3], v[4], v[5]);
        break;
    case Solid::Cilindr:
        values = cilindr(v[0], v[1]);
        break;
    case Solid::CilindrUs:
        values = cilindr_Us(v[0], v[1], v[2]);
        break;
    case Solid::Konus:
        values = konus(v[0], v[1]);
        break;
    case Solid::KonusUs:
        values = konus_Us(v[0], v[1], v[2], v[3]);
        break;
    case Solid::Shar:
        values = shar(v[0]);
        break;
    case Solid::SharSektor:
        values = shar_sektor(v[0], v[1], v[2]);
        break;
    case Solid::SharSegment:
        values = shar_segment(v[0], v[1], v[2]);
        break;
    case Solid::SharPoyas:
        values = shar_poyas(v[0], v[1], v[2], v[3]);
        break;
    case Solid::Tor:
        values = tor(v[0], v[1]);
        break;
    }
    const bool weightFinite = !values.volume || fitsDouble(*values.volume * density);
    if (!finite(values.lateral) || !finite(values.total) || !finite(values.volume) || !weightFinite)
        return {SolidOutcome::FloatError, {}, {}};
    return {SolidOutcome::Ok, solidLines(values, density, decimalPoint), {}};
}

RectangleBase rectangleBase(long double a, long double b)
{
    return {a * b, (a + b) * 2};
}

} // namespace tolvex::geometry
