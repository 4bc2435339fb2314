#include "core/calculators/Hexagon.h"

#include "core/common/NumberText.h"

#include <vector>

namespace tolvex::calc
{

namespace
{

struct HexagonSize {
    const char* size; // inscribed-circle diameter, mm
    long double kgPerMetre;
    long double metresPerTonne; // stored, not derived from the weight per metre
};

// clang-format off
const std::vector<HexagonSize>& hexagonTable()
{
    static const std::vector<HexagonSize> table = {
        {"8", 0.435L, 2298.8L}, // 0
        {"9", 0.551L, 1814.9L}, // 1
        {"10", 0.68L, 1470.5L}, // 2
        {"11", 0.823L, 1215.1L}, // 3
        {"12", 0.979L, 1021.5L}, // 4
        {"13", 1.15L, 869.6L}, // 5
        {"14", 1.33L, 751.9L}, // 6
        {"15", 1.53L, 653.6L}, // 7
        {"16", 1.74L, 574.7L}, // 8
        {"17", 1.96L, 510.2L}, // 9
        {"18", 2.2L, 454.2L}, // 10
        {"19", 2.45L, 408.2L}, // 11
        {"20", 2.72L, 367.6L}, // 12
        {"21", 3.0L, 333.3L}, // 13
        {"22", 3.29L, 303.9L}, // 14
        {"23", 3.92L, 255.1L}, // 15
        {"25", 4.25L, 235.3L}, // 16
        {"26", 4.59L, 217.9L}, // 17
        {"28", 5.33L, 187.6L}, // 18
        {"30", 6.12L, 163.4L}, // 19
        {"32", 6.96L, 143.7L}, // 20
        {"34", 7.86L, 127.2L}, // 21
        {"36", 8.81L, 113.5L}, // 22
        {"38", 9.82L, 101.8L}, // 23
        {"40", 10.88L, 91.9L}, // 24
        {"42", 11.99L, 83.4L}, // 25
        {"47", 14.95L, 66.9L}, // 26
        {"48", 15.6L, 63.9L}, // 27
        {"50", 16.99L, 58.8L}, // 28
        {"52", 18.4L, 54.3L}, // 29
        {"55", 20.58L, 48.6L}, // 30
        {"60", 24.5L, 40.8L}, // 31
        {"63", 26.98L, 37.0L}, // 32
        {"65", 28.7L, 34.8L}, // 33
        {"70", 33.3L, 30.0L}, // 34
        {"75", 38.24L, 26.1L}, // 35
        {"80", 43.15L, 23.0L}, // 36
        {"85", 49.12L, 20.4L}, // 37
        {"90", 55.07L, 18.1L}, // 38
        {"95", 61.36L, 16.3L}, // 39
        {"100", 67.98L, 14.7L}, // 40
    };
    return table;
}
// clang-format on

const HexagonSize* hexagonSize(int pos)
{
    if (pos < 0 || pos >= int(hexagonTable().size()))
        return nullptr;
    return &hexagonTable()[pos];
}

const PerMetreProduct& hexagon()
{
    static const PerMetreProduct product{
        {QStringLiteral("при длине шестигранника {} м.,"),
         QStringLiteral("общий вес шестигранника составляет: {} кг."),
         QStringLiteral("при весе шестигранника в {} кг.,"),
         QStringLiteral("общая длина шестигранника равна: {} м.")},
        {Reading::FieldValue, Reading::Text, NoMatch::ZeroWeight}};
    return product;
}

QString description(const ListChoice& size)
{
    return "Диаметр вписанного круга " + size.text;
}

} // namespace

QStringList hexagonSizes()
{
    QStringList out;
    for (const HexagonSize& s : hexagonTable())
        out << QString::fromLatin1(s.size);
    return out;
}

std::optional<long double> hexagonKgPerMetre(int sizePos)
{
    const HexagonSize* s = hexagonSize(sizePos);
    return s ? std::optional(s->kgPerMetre) : std::nullopt;
}

QString hexagonMetresPerTonneText(int sizePos)
{
    const HexagonSize* s = hexagonSize(sizePos);
    return s ? formatGeneral(s->metresPerTonne) : QString();
}

Outcome hexagonWeight(const ListChoice& size, const PerMetreFields& fields)
{
    return perMetreWeight(hexagon(), hexagonKgPerMetre(size.position), description(size), fields);
}

Outcome hexagonLength(const ListChoice& size, const PerMetreFields& fields)
{
    return perMetreLength(hexagon(), hexagonKgPerMetre(size.position), description(size), fields);
}

} // namespace tolvex::calc
