#include "core/calculators/PlateAndSheet.h"

namespace tolvex::calc
{

namespace
{

// clang-format off
// Checker plate, kg/m², by list position.
const PerMetreTable& checkerPlateTable()
{
    static const PerMetreTable table = {
        {QStringLiteral("Ромбическое рифление 2,5"), 21.0L}, // 0
        {QStringLiteral("Ромбическое рифление 3,0"), 25.1L}, // 1
        {QStringLiteral("Ромбическое рифление 4,0"), 33.5L}, // 2
        {QStringLiteral("Ромбическое рифление 5,0"), 41.8L}, // 3
        {QStringLiteral("Ромбическое рифление 6,0"), 50.0L}, // 4
        {QStringLiteral("Ромбическое рифление 8,0"), 66.0L}, // 5
        {QStringLiteral("Ромбическое рифление 10,0"), 83.0L}, // 6
        {QStringLiteral("Ромбическое рифление 12,0"), 99.3L}, // 7
        {QStringLiteral("Чечевичное рифление 2,5"), 20.1L}, // 8
        {QStringLiteral("Чечевичное рифление 3,0"), 24.2L}, // 9
        {QStringLiteral("Чечевичное рифление 4,0"), 32.2L}, // 10
        {QStringLiteral("Чечевичное рифление 5,0"), 40.5L}, // 11
        {QStringLiteral("Чечевичное рифление 6,0"), 48.5L}, // 12
        {QStringLiteral("Чечевичное рифление 8,0"), 64.9L}, // 13
        {QStringLiteral("Чечевичное рифление 10,0"), 80.9L}, // 14
        {QStringLiteral("Чечевичное рифление 12,0"), 96.8L}, // 15
    };
    return table;
}

// Profiled sheet, kg/m², by list position. The designations are written with Latin
// letters; the items at positions 19 and 25 end in a tab.
const PerMetreTable& profiledSheetTable()
{
    static const PerMetreTable table = {
        {QStringLiteral("C10-1000-0,6"), 5.6L}, // 0
        {QStringLiteral("C10-1000-0,7"), 6.5L}, // 1
        {QStringLiteral("C15-1000-0,6"), 6.4L}, // 2
        {QStringLiteral("C15-1000-0,7"), 7.4L}, // 3
        {QStringLiteral("C18-1000-0,6"), 6.4L}, // 4
        {QStringLiteral("C18-1000-0,7"), 7.4L}, // 5
        {QStringLiteral("C21-1000-0,6"), 6.4L}, // 6
        {QStringLiteral("C21-1000-0,7"), 7.4L}, // 7
        {QStringLiteral("HC35-1000-0,6"), 6.4L}, // 8
        {QStringLiteral("HC35-1000-0,7"), 7.4L}, // 9
        {QStringLiteral("HC35-1000-0,8"), 8.4L}, // 10
        {QStringLiteral("HC44-1000-0,7"), 8.3L}, // 11
        {QStringLiteral("HC44-1000-0,8"), 9.4L}, // 12
        {QStringLiteral("C44-1000-0,7"), 7.4L}, // 13
        {QStringLiteral("H57-750-0,6"), 7.5L}, // 14
        {QStringLiteral("H57-750-0,7"), 8.7L}, // 15
        {QStringLiteral("H57-750-0,8"), 9.8L}, // 16
        {QStringLiteral("H60-845-0,7"), 8.8L}, // 17
        {QStringLiteral("H60-845-0,8"), 9.9L}, // 18
        {QStringLiteral("H60-845-0,9\t"), 11.1L}, // 19
        {QStringLiteral("H75-750-0,7"), 9.8L}, // 20
        {QStringLiteral("H75-750-0,8"), 11.2L}, // 21
        {QStringLiteral("H75-750-0,9"), 12.5L}, // 22
        {QStringLiteral("H114-600-0,8"), 14.0L}, // 23
        {QStringLiteral("H114-600-0,9"), 15.6L}, // 24
        {QStringLiteral("H114-600-1,0\t"), 17.2L}, // 25
        {QStringLiteral("H114-750-0,8"), 12.5L}, // 26
        {QStringLiteral("H114-750-0,9"), 14.0L}, // 27
        {QStringLiteral("H114-750-1,0"), 15.4L}, // 28
    };
    return table;
}
// clang-format on

const PerMetreProduct& checkerPlate()
{
    // The area report ends in " кв.м" without a point.
    static const PerMetreProduct product{
        {QStringLiteral("при площади в {} кв.м.,"),
         QStringLiteral("общий вес листа составляет: {} кг."),
         QStringLiteral("при весе листа в {} кг.,"),
         QStringLiteral("общая площадь листа составляет: {} кв.м")},
        {Reading::Text, Reading::Text, NoMatch::KeepUnread}};
    return product;
}

const PerMetreProduct& profiledSheet()
{
    static const PerMetreProduct product{{QStringLiteral("при площади листа в {} кв.м.,"),
                                          QStringLiteral("общий вес составляет: {} кг."),
                                          QStringLiteral("при весе в {} кг.,"),
                                          QStringLiteral("площадь листа составляет: {} кв.м.")},
                                         {Reading::Text, Reading::Text, NoMatch::KeepUnread}};
    return product;
}

QString checkerPlateDescription(const ListChoice& item)
{
    return "Тип листа и толщина основания, S: \r\n" + item.text;
}

QString profiledSheetDescription(const ListChoice& item)
{
    return "Тип профилированного листа " + item.text;
}

} // namespace

QStringList checkerPlateItems()
{
    return sizeNames(checkerPlateTable());
}

std::optional<long double> checkerPlateKgPerSquareMetre(int itemPos)
{
    return kgPerMetreAt(checkerPlateTable(), itemPos);
}

QStringList profiledSheetItems()
{
    return sizeNames(profiledSheetTable());
}

std::optional<long double> profiledSheetKgPerSquareMetre(int itemPos)
{
    return kgPerMetreAt(profiledSheetTable(), itemPos);
}

Outcome checkerPlateWeight(const ListChoice& item, const PerMetreFields& fields)
{
    return perMetreWeight(checkerPlate(), checkerPlateKgPerSquareMetre(item.position),
                          checkerPlateDescription(item), fields);
}

Outcome checkerPlateArea(const ListChoice& item, const PerMetreFields& fields)
{
    return perMetreLength(checkerPlate(), checkerPlateKgPerSquareMetre(item.position),
                          checkerPlateDescription(item), fields);
}

Outcome profiledSheetWeight(const ListChoice& item, const PerMetreFields& fields)
{
    return perMetreWeight(profiledSheet(), profiledSheetKgPerSquareMetre(item.position),
                          profiledSheetDescription(item), fields);
}

Outcome profiledSheetArea(const ListChoice& item, const PerMetreFields& fields)
{
    return perMetreLength(profiledSheet(), profiledSheetKgPerSquareMetre(item.position),
                          profiledSheetDescription(item), fields);
}

} // namespace tolvex::calc
