// The unit lists of the length, mass and area converters. Each size is written as
// its definition in the base unit, so exact definitions stay exact in the source
// (a ratio such as 1200/3937 is kept as the ratio, not as rounded digits).

#include "core/reference/UnitConverter.h"

#include <numbers>

namespace tolvex::units
{

namespace
{

// International yard and pound agreement (1959): yard 0,9144 m, pound 0,45359237 kg.
constexpr long double yard = 0.9144L;
constexpr long double foot = yard / 3;
constexpr long double inch = yard / 36;
constexpr long double mile = 1760 * yard; // 1609,344 m
// US survey foot (US Metric Law of 1866, Mendenhall Order 1893): 1200/3937 m.
constexpr long double surveyFoot = 1200.0L / 3937.0L;
// International nautical mile (International Hydrographic Conference 1929): 1852 m.
constexpr long double nauticalMile = 1852.0L;
// Russian measures ("Положение о мерах и весах", 1899): аршин = 28 дюймов = 0,7112 м,
// сажень = 3 аршина = 7 футов, верста = 500 саженей, вершок = 1/16 аршина.
constexpr long double arshin = 28 * inch;
constexpr long double sazhen = 3 * arshin;
constexpr long double vershok = arshin / 16;
// IAU 2012 Resolution B2: astronomical unit 149 597 870 700 m.
constexpr long double astronomicalUnit = 149597870700.0L;

constexpr long double pound = 0.45359237L;
// Russian pound of 1899: 0,40951241 kg; пуд = 40 фунтов, лот = 1/32, золотник = 1/96,
// доля = 1/96 золотника.
constexpr long double russianPound = 0.40951241L;
constexpr long double zolotnik = russianPound / 96;

struct Row {
    const char16_t* name;
    long double base;
    const char16_t* note;
};

std::vector<Unit> build(std::initializer_list<Row> rows)
{
    std::vector<Unit> out;
    out.reserve(rows.size());
    for (const Row& r : rows)
        out.push_back({QString::fromUtf16(r.name), r.base, QString::fromUtf16(r.note)});
    return out;
}

} // namespace

const std::vector<Unit>& units(Quantity quantity)
{
    static const std::vector<Unit> length = build({
        {u" Ангстрем", 1e-10L, u""}, // BIPM SI Brochure, table 8: 1 Å = 1E-10 m
        {u" Аршин", arshin, u""},    // 1899: 28 inches = 0,7112 m
        {u" Астрономическая единица", astronomicalUnit, u""}, // IAU 2012 B2
        {u" Верста", 500 * sazhen, u""},                      // 1899: 500 саженей = 1066,8 m
        {u" Вершок", vershok, u""},                           // 1899: 1/16 аршина = 0,04445 m
        {u" Дециметр", 0.1L, u""},                            // SI prefix deci
        {u" Дюйм", inch, u""},                                // 1959: 1/36 yard = 0,0254 m
        // CODATA 2018: Cu x unit 1,00207697E-13 m (measured, not exact)
        {u" Икс-единица", 1.00207697e-13L, u"Икс-единица по линии Cu Kα1 (CODATA 2018)"},
        {u" Кабельтов (межд.)", nauticalMile / 10, u""},   // 1/10 international nautical mile
        {u" Калибр", inch / 100, u"Калибр = 1/100 дюйма"}, // US customary caliber: 0,01 inch
        {u" Километр", 1000.0L, u""},                      // SI prefix kilo
        {u" Куйбит, локоть", 18 * inch, u""},              // English cubit: 18 inches
        // US statute league: 3 US survey miles of 5280 survey feet
        {u" Лига законная (США)", 3 * 5280 * surveyFoot, u"3 уставные мили США"},
        // English (London) league: 3 statute miles of 1959
        {u" Лига лондонская", 3 * mile, u"3 международные мили"},
        {u" Лига морская (межд.)", 3 * nauticalMile, u""}, // 3 international nautical miles
        {u" Линия (1/12 дюйма)", inch / 12, u""},          // English line: 1/12 inch
        {u" Линия большая (1/10 дюйма)", inch / 10, u""},  // Russian line (1899): 1/10 inch
        {u" Линк, звено", 0.66L * foot, u""},              // Gunter's link: 1/100 chain = 0,66 ft
        {u" Метр", 1.0L, u""},                             // SI base unit
        {u" Микродюйм", inch / 1000000, u""},              // 1E-6 inch
        {u" Микрометр", 1e-6L, u""},                       // SI prefix micro
        {u" Мил", inch / 1000, u"Мил = 1/1000 дюйма"},     // thou: 1/1000 inch
        {u" Миллиметр", 0.001L, u""},                      // SI prefix milli
        // US statute mile: 5280 US survey feet (6336/3937 km)
        {u" Миля", 5280 * surveyFoot, u"Уставная миля США (5280 геодезических футов)"},
        {u" Миля (междунар.)", mile, u""},                // 1959: 1760 yards = 1609,344 m
        {u" Миля морская (Великобр.)", 6080 * foot, u""}, // Admiralty mile: 6080 ft = 1853,184 m
        {u" Миля морская (междунар.)", nauticalMile, u""},
        // US nautical mile before 1954: 1853,248 m
        {u" Миля морская (США)", 1853.248L, u"Морская миля США до 1954 года"},
        {u" Моток", 120 * yard, u"Моток пряжи (skein) = 120 ярдов"}, // skein: 120 yards
        {u" Нанометр", 1e-9L, u""},                                  // SI prefix nano
        {u" Нейл", yard / 16, u""}, // nail: 1/16 yard = 2 1/4 inches
        // IAU 2015 Resolution B2: parsec = 648000/π au
        {u" Парсек", 648000 * astronomicalUnit / std::numbers::pi_v<long double>, u""},
        {u" Род, поль или перч", 16.5L * foot, u""}, // rod: 16 1/2 ft = 5,0292 m
        {u" Сажень", sazhen, u""},                   // 1899: 3 аршина = 2,1336 m
        {u" Сантиметр", 0.01L, u""},                 // SI prefix centi
        // IAU: Julian year (365,25 d) times the speed of light 299 792 458 m/s
        {u" Световой год", 9460730472580800.0L, u""},
        {u" Сотка (сотая часть саженя)", sazhen / 100, u""},
        {u" Спэн", 9 * inch, u""},                                    // span: 9 inches
        {u" Стопа", sazhen / 7, u"Русская стопа (фут) = 1/7 сажени"}, // 1899: 1/7 сажени
        {u" Фарлонг", 220 * yard, u""},                   // furlong: 220 yards = 201,168 m
        {u" Фатом, морская сажень", 2 * yard, u""},       // fathom: 6 ft = 1,8288 m
        {u" Фемтометр", 1e-15L, u""},                     // SI prefix femto
        {u" Фут", foot, u"Международный фут = 0,3048 м"}, // 1959: 0,3048 m
        {u" Фут", surveyFoot, u"Геодезический фут США = 1200/3937 м"},
        {u" Хенд, ладонь", 4 * inch, u""},       // hand: 4 inches
        {u" Чейн инженерный", 100 * foot, u""},  // engineer's chain: 100 ft
        {u" Чейн, мерная цепь", 22 * yard, u""}, // Gunter's chain: 22 yards = 66 ft
        {u" Ярд", yard, u""},                    // 1959: 0,9144 m
    });
    static const std::vector<Unit> mass = build({
        {u" Миллиграмм", 1e-6L, u""},                       // SI prefix milli
        {u" Грамм", 0.001L, u""},                           // SI
        {u" Килограмм", 1.0L, u""},                         // SI base unit
        {u" Центнер", 100.0L, u""},                         // metric quintal: 100 kg
        {u" Тонна", 1000.0L, u""},                          // SI Brochure, table 8
        {u" Карат", 0.0002L, u"Метрический карат = 0,2 г"}, // metric carat (1907): 200 mg
        {u" Гран", pound / 7000, u""},                      // 1959: grain = 1/7000 pound
        {u" Пуд", 40 * russianPound, u""},                  // 1899: 40 фунтов = 16,3804964 kg
        {u" Фунт русский", russianPound, u""},              // 1899: 0,40951241 kg
        {u" Лот", russianPound / 32, u""},                  // 1899: 1/32 фунта
        {u" Золотник", zolotnik, u""},                      // 1899: 1/96 фунта
        {u" Доля", zolotnik / 96, u""},                     // 1899: 1/96 золотника
        {u" Фунт (англ.)", pound, u"Международный фунт = 0,45359237 кг"}, // 1959
        {u" Унция", pound / 16, u""},                       // avoirdupois ounce: 1/16 pound
        {u" Унция тройская", 480 * pound / 7000, u""},      // troy ounce: 480 grains = 31,1034768 g
        {u" Тонна короткая (США)", 2000 * pound, u""},      // short ton: 2000 pounds
        {u" Тонна длинная (Великобр.)", 2240 * pound, u""}, // long ton: 2240 pounds
        {u" Стоун", 14 * pound, u""},                       // stone: 14 pounds
    });
    static const std::vector<Unit> area = build({
        {u" Квадратный миллиметр", 1e-6L, u""},
        {u" Квадратный сантиметр", 1e-4L, u""},
        {u" Квадратный метр", 1.0L, u""},
        {u" Ар (сотка)", 100.0L, u""}, // SI Brochure (1970 edition): are = 100 m²
        {u" Гектар", 10000.0L, u""},   // SI Brochure, table 8: ha = 1E4 m²
        {u" Квадратный километр", 1e6L, u""},
        {u" Десятина", 2400 * sazhen * sazhen, u"Казённая десятина = 2400 кв. саженей"}, // 1899
        {u" Квадратная сажень", sazhen * sazhen, u""},
        {u" Квадратный вершок", vershok * vershok, u""},
        {u" Квадратный дюйм", inch * inch, u""},
        {u" Квадратный фут", foot * foot, u""},
        {u" Квадратный ярд", yard * yard, u""},
        {u" Акр", 4840 * yard * yard, u""},      // acre: 4840 square yards = 4046,8564224 m²
        {u" Квадратная миля", mile * mile, u""}, // 640 acres
    });
    switch (quantity) {
    case Quantity::Mass:
        return mass;
    case Quantity::Area:
        return area;
    case Quantity::Length:
        break;
    }
    return length;
}

} // namespace tolvex::units
