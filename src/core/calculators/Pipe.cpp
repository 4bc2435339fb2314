#include "core/calculators/Pipe.h"

#include "core/common/NumberText.h"

#include <variant>

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

// The pipe's cross-section read from its fields, with `quantity` (the length or the
// weight, the third tested field) read too; or the outcome that stops the operation.
struct Section {
    Diameter D;
    long double wall = 0;
    long double quantity = 0;
};

std::variant<Section, Outcome> readSection(DiameterKind kind, const PipeFields& f,
                                           const QString& quantity)
{
    if (auto refused = refuse({f.diameter, f.wall, quantity}))
        return *refused;
    if (kind == DiameterKind::None)
        return kindMissing();
    Reader read;
    const long double given = read(f.diameter);
    Section section;
    section.wall = read(f.wall);
    section.quantity = read(quantity);
    if (read.failed())
        return read.failure();
    section.D = outerDiameter(kind, given, section.wall);
    return section;
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
    const auto section = readSection(kind, f, f.length);
    if (const auto* stop = std::get_if<Outcome>(&section))
        return *stop;
    const auto& [D, s, L] = std::get<Section>(section);

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
    if (kind == DiameterKind::Outer && withSurface) {
        const long double surface = pipeSurface(D.outer, s, L);
        if (!fitsDouble(surface))
            return floatError();
        surfaceLine =
            "общая поверхность трубы составит: " + cutText(formatGeneral(surface), 6) + " кв.м.";
    }
    out.report = start + cutText(out.result, 9) + " кг." + NL + surfaceLine;
    return out;
}

Outcome truba1(DiameterKind kind, const PipeFields& f, long double density, const QString& material)
{
    const auto section = readSection(kind, f, f.weight);
    if (const auto* stop = std::get_if<Outcome>(&section))
        return *stop;
    const auto& [D, s, W] = std::get<Section>(section);

    Outcome out = finish(W * 1000 / ((D.outer - s) * Pi * s * density));
    if (out.ok())
        out.report = reportStart(material, D.phrase, f) + "при весе трубы в " + f.weight + " кг.," +
                     NL + "общая длина трубы составит: " + out.result + " м.";
    return out;
}

} // namespace tolvex::calc
