#include "core/calculators/RoundBar.h"

namespace tolvex::calc
{

namespace
{
const QString NL = QStringLiteral("\r\n");

// The report of a square or a sheet up to its last two lines: the profile and its sides.
QString profileHead(Profile p, const SquareSheetFields& f, const QString& material)
{
    if (p == Profile::Square)
        return reportHead(material) + NL + "Профиль: квадрат " + NL + "сторона а= " + f.sideA +
               " мм.," + NL;
    return reportHead(material) + NL + "Профиль: лист " + NL + "сторона а= " + f.sideA + " мм.," +
           NL + "сторона b= " + f.sideB + " мм.," + NL;
}

// The cross-section area of a square (a × a) or a sheet (a × b), mm²; `read` remembers
// a side that is no number.
long double profileArea(Profile p, const SquareSheetFields& f, Reader& read)
{
    const long double a = read(f.sideA);
    return p == Profile::Sheet ? a * read(f.sideB) : a * a;
}
} // namespace

Outcome roundBarWeight(const RoundBarFields& f, long double density, const QString& material)
{
    if (auto refused = refuse({f.length}))
        return *refused;
    Reader read;
    const long double d = read(f.diameter);
    const long double L = read(f.length);
    if (read.failed())
        return read.failure();
    Outcome out = finish((d / 2) * Pi * (d / 2) * L * density / 1000);
    if (out.ok())
        out.report = reportHead(material) + NL + "Диаметр проката " + f.diameter + " мм.," + NL +
                     "при длине проката в " + f.length + " м.," + NL +
                     "общий вес проката составит: " + out.result + " кг.";
    return out;
}

Outcome roundBarLength(const RoundBarFields& f, long double density, const QString& material)
{
    if (auto refused = refuse({f.weight}))
        return *refused;
    Reader read;
    const long double d = read(f.diameter);
    const long double m = read(f.weight);
    if (read.failed())
        return read.failure();
    Outcome out = finish(m * 1000 / ((d / 2) * (d / 2) * Pi * density));
    if (out.ok())
        out.report = reportHead(material) + NL + "Диаметр проката " + f.diameter + " мм.," + NL +
                     "при весе проката " + f.weight + " кг.," + NL +
                     "общая длина проката составит: " + out.result + " м.";
    return out;
}

Outcome squareSheetWeight(Profile p, const SquareSheetFields& f, long double density,
                          const QString& material)
{
    if (p == Profile::None)
        return nothing();
    if (auto refused = refuse({f.length}))
        return *refused;
    Reader read;
    const long double area = profileArea(p, f, read);
    const long double t = read(f.length);
    if (read.failed())
        return read.failure();
    Outcome out = finish(area * t * density / 1000000);
    if (!out.ok())
        return out;
    out.report =
        profileHead(p, f, material) +
        (p == Profile::Square
             ? "при длине квадрата в " + f.length + " мм.," + NL + "общий вес квадрата составит: "
             : "при толщине листа в " + f.length + " мм.," + NL + "общий вес листа составит: ") +
        out.result + " кг.";
    return out;
}

Outcome squareSheetLength(Profile p, const SquareSheetFields& f, long double density,
                          const QString& material)
{
    if (p == Profile::None)
        return nothing();
    if (auto refused = refuse({f.weight}))
        return *refused;
    Reader read;
    const long double area = profileArea(p, f, read);
    const long double m = read(f.weight);
    if (read.failed())
        return read.failure();
    Outcome out = finish(m * 1000000 / (area * density));
    if (!out.ok())
        return out;
    out.report = profileHead(p, f, material) +
                 (p == Profile::Square ? "при весе проката " + f.weight + " кг.," + NL +
                                             "общая длина проката составит: " + out.result + " мм."
                                       : "при весе листа в " + f.weight + " кг.," + NL +
                                             "толщина листа составит: " + out.result + " мм.");
    return out;
}

} // namespace tolvex::calc
