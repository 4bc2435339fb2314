#include "RoundBar.h"

namespace tolvex::calc
{

namespace
{
const QString NL = QStringLiteral("\r\n");
}

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
    const long double a = read(f.sideA);
    const long double b = p == Profile::Sheet ? read(f.sideB) : 0;
    const long double t = read(f.length);
    if (read.failed())
        return read.failure();
    if (p == Profile::Square) {
        Outcome out = finish(a * a * t * density / 1000000);
        if (out.ok())
            out.report = reportHead(material) + NL + "Профиль: квадрат " + NL +
                         "сторона а= " + f.sideA + " мм.," + NL + "при длине квадрата в " +
                         f.length + " мм.," + NL + "общий вес квадрата составит: " + out.result +
                         " кг.";
        return out;
    }
    Outcome out = finish(a * b * t * density / 1000000);
    if (out.ok())
        out.report = reportHead(material) + NL + "Профиль: лист " + NL + "сторона а= " + f.sideA +
                     " мм.," + NL + "сторона b= " + f.sideB + " мм.," + NL +
                     "при толщине листа в " + f.length + " мм.," + NL +
                     "общий вес листа составит: " + out.result + " кг.";
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
    const long double a = read(f.sideA);
    const long double b = p == Profile::Sheet ? read(f.sideB) : 0;
    const long double m = read(f.weight);
    if (read.failed())
        return read.failure();
    if (p == Profile::Square) {
        Outcome out = finish(m * 1000000 / (a * a * density));
        if (out.ok())
            out.report = reportHead(material) + NL + "Профиль: квадрат " + NL +
                         "сторона а= " + f.sideA + " мм.," + NL + "при весе проката " + f.weight +
                         " кг.," + NL + "общая длина проката составит: " + out.result + " мм.";
        return out;
    }
    Outcome out = finish(m * 1000000 / (a * b * density));
    if (out.ok())
        out.report = reportHead(material) + NL + "Профиль: лист " + NL + "сторона а= " + f.sideA +
                     " мм.," + NL + "сторона b= " + f.sideB + " мм.," + NL + "при весе листа в " +
                     f.weight + " кг.," + NL + "толщина листа составит: " + out.result + " мм.";
    return out;
}

} // namespace tolvex::calc
