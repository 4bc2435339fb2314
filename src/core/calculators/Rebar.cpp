#include "core/calculators/Rebar.h"

namespace tolvex::calc
{

namespace
{

// clang-format off
// Diameter in mm, kg/m, by list position.
const PerMetreTable& rebarTable()
{
    static const PerMetreTable table = {
        {QStringLiteral("6"), 0.222L}, // 0
        {QStringLiteral("8"), 0.395L}, // 1
        {QStringLiteral("10"), 0.617L}, // 2
        {QStringLiteral("12"), 0.888L}, // 3
        {QStringLiteral("14"), 1.21L}, // 4
        {QStringLiteral("16"), 1.58L}, // 5
        {QStringLiteral("18"), 2.0L}, // 6
        {QStringLiteral("20"), 2.47L}, // 7
        {QStringLiteral("22"), 2.98L}, // 8
        {QStringLiteral("25"), 3.85L}, // 9
        {QStringLiteral("28"), 4.83L}, // 10
        {QStringLiteral("32"), 6.31L}, // 11
        {QStringLiteral("36"), 7.99L}, // 12
        {QStringLiteral("40"), 9.87L}, // 13
        {QStringLiteral("45"), 12.48L}, // 14
        {QStringLiteral("50"), 15.41L}, // 15
        {QStringLiteral("55"), 18.65L}, // 16
        {QStringLiteral("60"), 22.19L}, // 17
        {QStringLiteral("70"), 30.12L}, // 18
        {QStringLiteral("80"), 39.46L}, // 19
    };
    return table;
}
// clang-format on

const PerMetreProduct& rebar()
{
    static const PerMetreProduct product{
        {QStringLiteral("при {} м. арматуры,"), QStringLiteral("общий её вес, составляет: {} кг."),
         QStringLiteral("при весе в {} кг.,"), QStringLiteral("длина арматуры составляет: {} м.")},
        {Reading::FieldValue, Reading::FieldValue, NoMatch::KeepResult}};
    return product;
}

QString description(const ListChoice& diameter)
{
    return "Диаметр стержня арматуры " + diameter.text + " мм,";
}

} // namespace

QStringList rebarDiameters()
{
    return sizeNames(rebarTable());
}

std::optional<long double> rebarKgPerMetre(int diameterPos)
{
    return kgPerMetreAt(rebarTable(), diameterPos);
}

Outcome rebarWeight(const ListChoice& diameter, const PerMetreFields& fields)
{
    return perMetreWeight(rebar(), rebarKgPerMetre(diameter.position), description(diameter),
                          fields);
}

Outcome rebarLength(const ListChoice& diameter, const PerMetreFields& fields)
{
    return perMetreLength(rebar(), rebarKgPerMetre(diameter.position), description(diameter),
                          fields);
}

} // namespace tolvex::calc
