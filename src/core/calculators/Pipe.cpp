#include "Pipe.h"

#include "common/NumberText.h"

namespace tolvex::calc
{

namespace
{

const QString NL = QStringLiteral("\r\n");

struct Diameter {
    long double outer = 0; // D, mm
    QString phrase;
};

Diameter outerDiameter(DiameterKind kind, long double given, long double wall)
{
    if (kind == DiameterKind::Inner)
        return {given + 2 * wall, QStringLiteral("внутренний диаметр трубы ")};
    return {given, QStringLiteral("внешний диаметр трубы ")};
}

Outcome kindMissing()
{
    Outcome out;
    out.status = Status::Refused;
    out.messageKey = PipeKindMissing;
    return out;
}

// The report up to the line of the given quantity.
QString reportStart(const QString& material, const QString& phrase, const PipeFields& f)
{
    return reportHead(material) + NL + phrase + f.diameter + " мм.," + NL +
           "толщина стенки трубы " + f.wall + " мм.," + NL;
}

} // namespace

QString pipeKindMissingText()
{
    return QStringLiteral("Укажите, какой диаметр трубы введен: \"Внешний\" или \"Внутренний\".");
}

long double pipeSurface(long double D, long double s, long double L)
{
    const long double d = D - 2 * s;
    return Pi * D * L / 1000 + Pi * d * L / 1000 + 2 * Pi / 4 * (D * D - d * d) / 1000000;
}

Outcome truba(DiameterKind kind, const PipeFields& f, long double density, const QString& material,
              MaterialSource source, bool withSurface)
{
    if (auto refused = refuse({f.diameter, f.wall, f.length}))
        return *refused;
    if (kind == DiameterKind::None)
        return kindMissing();
    Reader read;
    const long double given = read(f.diameter);
    const long double s = read(f.wall);
    const long double L = read(f.length);
    if (read.failed())
        return read.failure();
    const Diameter D = outerDiameter(kind, given, s);

    Outcome out = finish((D.outer - s) * Pi * s * L * density / 1000);
    if (!out.ok())
        return out;
    const QString start = reportStart(material, D.phrase, f) + "при длине трубы в " + f.length +
                          " м.," + NL + "общий вес трубы составит: ";
    if (source == MaterialSource::AlloyBox) {
        out.report = start + out.result + " кг.";
        return out;
    }
    QString surfaceLine;
    if (kind == DiameterKind::Outer && withSurface)
        surfaceLine = "общая поверхность трубы составит: " +
                      cutText(formatGeneral(pipeSurface(D.outer, s, L)), 6) + " кв.м.";
    out.report = start + cutText(out.result, 9) + " кг." + NL + surfaceLine;
    return out;
}

Outcome truba1(DiameterKind kind, const PipeFields& f, long double density, const QString& material)
{
    if (auto refused = refuse({f.diameter, f.wall, f.weight}))
        return *refused;
    if (kind == DiameterKind::None)
        return kindMissing();
    Reader read;
    const long double given = read(f.diameter);
    const long double s = read(f.wall);
    const long double W = read(f.weight);
    if (read.failed())
        return read.failure();
    const Diameter D = outerDiameter(kind, given, s);

    Outcome out = finish(W * 1000 / ((D.outer - s) * Pi * s * density));
    if (out.ok())
        out.report = reportStart(material, D.phrase, f) + "при весе трубы в " + f.weight + " кг.," +
                     NL + "общая длина трубы составит: " + out.result + " м.";
    return out;
}

} // namespace tolvex::calc
