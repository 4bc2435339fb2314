#include "core/geometry/FlatBlanks.h"

#include "core/calculators/Calculation.h"
#include "core/common/NumberText.h"
#include "core/geometry/GeometryNumbers.h"

#include <cmath>
#include <vector>

namespace tolvex::geometry
{

using calc::Pi;

long double treug_proizv1(long double h, long double a)
{
    return h * a / 2;
}

long double treug_proizv2(long double a, long double b, long double gamma)
{
    return a * b * std::sin(radians(gamma)) / 2;
}

std::optional<long double> treug_proizv3(long double a, long double b, long double c)
{
    const long double p = (a + b + c) / 2;
    const long double product = p * (p - a) * (p - b) * (p - c);
    if (!(product >= 0))
        return std::nullopt;
    return std::sqrt(product);
}

long double treug_prjm1(long double a, long double b)
{
    return a * b / 2;
}

long double treug_prjm2(long double c, long double h)
{
    return c * h / 2;
}

long double chet_proizv(long double d1, long double d2, long double phi)
{
    return d1 * d2 * std::sin(radians(phi)) / 2;
}

long double chet_paral1(long double a, long double h)
{
    return a * h;
}

long double chet_paral2(long double a, long double b, long double alpha)
{
    return a * b * std::sin(radians(alpha));
}

long double chet_paral3(long double d1, long double d2, long double phi)
{
    return d1 * d2 * std::sin(radians(phi)) / 2;
}

long double chet_romb1(long double a, long double h)
{
    return a * h;
}

long double chet_romb2(long double a, long double alpha)
{
    return a * a * std::sin(radians(alpha));
}

long double chet_romb3(long double d1, long double d2)
{
    return d1 * d2 / 2;
}

long double trap1(long double a, long double b, long double h)
{
    return (a + b) * h / 2;
}

long double trap2(long double l, long double h)
{
    return l * h;
}

long double sektor(long double R, long double alpha)
{
    return Pi * R * R * alpha / 360;
}

long double Kolco1(long double r, long double R)
{
    return Pi * (R * R - r * r);
}

long double Kolco2(long double d, long double D)
{
    return Pi * (D * D - d * d) / 4;
}

long double Kolco3(long double D, long double S)
{
    return Pi * S * (D - S);
}

long double segment(long double R, long double alpha)
{
    return (alpha * Pi / 180 - std::sin(radians(alpha))) * R * R / 2;
}

long double sektor_kolc(long double r, long double R, long double alpha)
{
    return (R * R - r * r) * Pi * alpha / 360;
}

BlankLines blankLines(long double areaMm2, long double thickness, long double density,
                      LineLanguage language, QChar decimalPoint)
{
    const QString area = blankNumber(areaMm2 / 1000000, decimalPoint);
    const QString weight = blankNumber(areaMm2 * thickness * density / 1000000, decimalPoint);
    if (language == LineLanguage::English)
        return {QStringLiteral("Total area: ") + area + QStringLiteral(" sqr.m."),
                QStringLiteral("Total weight: ") + weight + QStringLiteral(" kg.")};
    return {QStringLiteral("Площадь составляет: ") + area + QStringLiteral(" кв.м."),
            QStringLiteral("Вес составляет: ") + weight + QStringLiteral(" кг.")};
}

BlankOutcome computeBlank(Blank which, const QStringList& fieldTexts, long double density,
                          LineLanguage language)
{
    return computeBlank(which, fieldTexts, density, language, systemDecimalPoint());
}

BlankOutcome computeBlank(Blank which, const QStringList& fieldTexts, long double density,
                          LineLanguage language, QChar decimalPoint)
{
    std::vector<long double> v;
    for (const QString& text : fieldTexts)
        v.push_back(readDimension(text, decimalPoint));
    v.resize(5, 0.0L); // at most three inputs and the thickness
    const long double thickness = fieldTexts.isEmpty() ? 0 : v[std::size_t(fieldTexts.size() - 1)];

    long double area = 0;
    switch (which) {
    case Blank::TreugProizv1:
        area = treug_proizv1(v[0], v[1]);
        break;
    case Blank::TreugProizv2:
        area = treug_proizv2(v[0], v[1], v[2]);
        break;
    case Blank::TreugProizv3: {
        const auto heron = treug_proizv3(v[0], v[1], v[2]);
        if (!heron)
            return {BlankOutcome::NoTriangle, {}};
        area = *heron;
        break;
    }
    case Blank::TreugPrjm1:
        area = treug_prjm1(v[0], v[1]);
        break;
    case Blank::TreugPrjm2:
        area = treug_prjm2(v[0], v[1]);
        break;
    case Blank::ChetProizv:
        area = chet_proizv(v[0], v[1], v[2]);
        break;
    case Blank::ChetParal1:
        area = chet_paral1(v[0], v[1]);
        break;
    case Blank::ChetParal2:
        area = chet_paral2(v[0], v[1], v[2]);
        break;
    case Blank::ChetParal3:
        area = chet_paral3(v[0], v[1], v[2]);
        break;
    case Blank::ChetRomb1:
        area = chet_romb1(v[0], v[1]);
        break;
    case Blank::ChetRomb2:
        area = chet_romb2(v[0], v[1]);
        break;
    case Blank::ChetRomb3:
        area = chet_romb3(v[0], v[1]);
        break;
    case Blank::Trap1:
        area = trap1(v[0], v[1], v[2]);
        break;
    case Blank::Trap2:
        area = trap2(v[0], v[1]);
        break;
    case Blank::Sektor:
        area = sektor(v[0], v[1]);
        break;
    case Blank::Kolco1:
        area = Kolco1(v[0], v[1]);
        break;
    case Blank::Kolco2:
        area = Kolco2(v[0], v[1]);
        break;
    case Blank::Kolco3:
        area = Kolco3(v[0], v[1]);
        break;
    case Blank::Segment:
        area = segment(v[0], v[1]);
        break;
    case Blank::SektorKolc:
        area = sektor_kolc(v[0], v[1], v[2]);
        break;
    }
    const long double weight = area * thickness * density / 1000000;
    if (!fitsDouble(area / 1000000) || !fitsDouble(weight))
        return {BlankOutcome::FloatError, {}};
    return {BlankOutcome::Ok, blankLines(area, thickness, density, language, decimalPoint)};
}

QString noTriangleText()
{
    return QStringLiteral("Треугольник с такими сторонами не существует: "
                          "каждая сторона должна быть меньше суммы двух других.");
}

} // namespace tolvex::geometry
