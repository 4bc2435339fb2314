#include "core/calculators/HollowSections.h"

#include "core/calculators/ListChoice.h"

#include <vector>

namespace tolvex::calc
{

namespace
{

struct Wall {
    const char* text;
    long double kgPerMetre;
};

struct SquareRow {
    const char* size;
    std::vector<Wall> walls;
};

// Square tube, kg/m: a row per outer size (list position), its walls in list order.
const std::vector<SquareRow>& squareTable()
{
    // clang-format off
    static const std::vector<SquareRow> table = {
        {"10", {{"1.0", 0.269L}}}, // 0
        {"15", {{"1.0", 0.426L}, {"1.5", 0.605L}}}, // 1
        {"20", {{"1.0", 0.583L}, {"1.5", 0.841L}, {"2.0", 1.075L}}}, // 2
        {"25", {{"1.0", 0.74L}, {"1.5", 1.07L}, {"2.0", 1.39L}, {"2.5", 1.68L}, {"3.0", 1.95L}}}, // 3
        {"30", {{"2.0", 1.7L}, {"2.5", 2.07L}, {"3.0", 2.42L}, {"3.5", 2.75L}, {"4.0", 3.04L}}}, // 4
        {"35", {{"2.0", 2.02L}, {"2.5", 2.46L}, {"3.0", 2.89L}, {"3.5", 3.3L}, {"4.0", 3.67L}, {"5.0", 4.37L}}}, // 5
        {"40", {{"2.0", 2.33L}, {"2.5", 2.85L}, {"3.0", 3.36L}, {"3.5", 3.85L}, {"4.0", 4.3L}, {"5.0", 5.16L}, {"6.0", 5.92L}}}, // 6
        {"42", {{"3.0", 3.55L}, {"3.5", 4.07L}, {"4.0", 4.56L}, {"5.0", 5.47L}, {"6.0", 6.3L}}}, // 7
        {"45", {{"3.0", 3.83L}, {"3.5", 4.4L}, {"4.0", 4.93L}, {"5.0", 5.94L}, {"6.0", 6.86L}, {"7.0", 7.69L}, {"8.0", 8.43L}}}, // 8
        {"50", {{"3.0", 4.31L}, {"3.5", 4.94L}, {"4.0", 5.56L}, {"5.0", 6.73L}, {"6.0", 7.8L}, {"7.0", 8.79L}, {"8.0", 9.69L}}}, // 9
        {"60", {{"3.5", 6.04L}, {"4.0", 6.82L}, {"5.0", 8.3L}, {"6.0", 9.69L}, {"7.0", 11.0L}, {"8.0", 12.2L}}}, // 10
        {"70", {{"4.0", 8.07L}, {"5.0", 9.87L}, {"6.0", 11.57L}, {"7.0", 13.19L}, {"8.0", 14.71L}}}, // 11
        {"80", {{"4.0", 9.33L}, {"5.0", 11.44L}, {"6.0", 13.46L}, {"7.0", 15.38L}, {"8.0", 17.22L}}}, // 12
        {"90", {{"5.0", 13.0L}, {"6.0", 15.34L}, {"7.0", 17.58L}, {"8.0", 19.73L}}}, // 13
        {"100", {{"6.0", 17.32L}, {"7.0", 19.78L}, {"8.0", 22.25L}, {"9.0", 24.62L}}}, // 14
        {"110", {{"6.0", 19.11L}, {"7.0", 21.98L}, {"8.0", 24.76L}, {"9.0", 27.45L}}}, // 15
        {"120", {{"6.0", 20.99L}, {"7.0", 24.18L}, {"8.0", 27.27L}, {"9.0", 30.28L}}}, // 16
        {"140", {{"6.0", 24.76L}, {"7.0", 28.57L}, {"8.0", 32.29L}, {"9.0", 35.93L}}}, // 17
        {"150", {{"7.0", 30.77L}, {"8.0", 34.81L}, {"9.0", 38.75L}, {"10.0", 42.61L}}}, // 18
        {"180", {{"8.0", 42.34L}, {"9.0", 47.23L}, {"10.0", 52.03L}, {"12.0", 61.36L}, {"14.0", 70.33L}}}, // 19
    };
    // clang-format on
    return table;
}

struct RectRow {
    const char* larger;
    const char* smaller;
    std::vector<Wall> walls;
};

// Rectangular tube, kg/m: a row per (larger, smaller) pair; the rows of a larger side
// follow each other, so its position is the count of larger sides before it and the
// smaller side's position is the row's place among the rows of its larger side.
const std::vector<RectRow>& rectTable()
{
    // clang-format off
    static const std::vector<RectRow> table = {
        {"15", "10", {{"1.0", 0.348L}, {"1.5", 0.488L}, {"2.0", 0.605L}}}, // 0, 0
        {"20", "10", {{"1.0", 0.426L}, {"1.5", 0.605L}, {"2.0", 0.762L}}}, // 1, 0
        {"20", "15", {{"1.0", 0.505L}, {"1.5", 0.723L}, {"2.0", 0.919L}, {"2.5", 1.09L}}}, // 1, 1
        {"25", "10", {{"1.0", 0.505L}, {"1.5", 0.723L}, {"2.0", 0.919L}, {"2.5", 1.09L}}}, // 2, 0
        {"25", "15", {{"1.0", 0.583L}, {"1.5", 0.841L}, {"2.0", 1.08L}, {"2.5", 1.29L}}}, // 2, 1
        {"28", "25", {{"1.5", 1.15L}, {"2.0", 1.49L}, {"2.5", 1.8L}}}, // 3, 0
        {"30", "10", {{"1.0", 0.583L}, {"1.5", 0.841L}, {"2.0", 1.08L}, {"2.5", 1.29L}, {"3.0", 1.48L}}}, // 4, 0
        {"30", "15", {{"1.0", 0.661L}, {"1.5", 0.959L}, {"2.0", 1.23L}, {"2.5", 1.48L}, {"3.0", 1.71L}}}, // 4, 1
        {"30", "20", {{"1.0", 0.74L}, {"1.5", 1.08L}, {"2.0", 1.39L}, {"2.5", 1.68L}, {"3.0", 1.95L}}}, // 4, 2
        {"35", "15", {{"1.5", 1.08L}, {"2.0", 1.39L}, {"2.5", 1.68L}, {"3.0", 1.95L}, {"3.5", 2.2L}}}, // 5, 0
        {"35", "20", {{"1.5", 1.19L}, {"2.0", 1.55L}, {"2.5", 1.88L}, {"3.0", 2.19L}, {"3.5", 2.47L}}}, // 5, 1
        {"35", "25", {{"1.5", 1.31L}, {"2.0", 1.7L}, {"2.5", 2.07L}, {"3.0", 2.42L}, {"3.5", 2.75L}}}, // 5, 2
        {"40", "15", {{"2.0", 1.55L}, {"2.5", 1.88L}, {"3.0", 2.19L}, {"3.5", 2.47L}, {"4.0", 2.73L}}}, // 6, 0
        {"40", "20", {{"2.0", 1.7L}, {"2.5", 2.07L}, {"3.0", 2.42L}, {"3.5", 2.75L}, {"4.0", 3.05L}}}, // 6, 1
        {"40", "25", {{"1.5", 1.43L}, {"2.0", 1.86L}, {"2.5", 2.27L}, {"3.0", 2.66L}, {"3.5", 3.02L}, {"4.0", 3.36L}}}, // 6, 2
        {"40", "28", {{"1.5", 1.5L}, {"2.0", 1.95L}, {"2.5", 2.39L}}}, // 6, 3
        {"40", "30", {{"2.0", 2.02L}, {"2.5", 2.47L}, {"3.0", 2.89L}, {"3.5", 3.3L}, {"4.0", 3.68L}}}, // 6, 4
        {"42", "20", {{"2.0", 1.77L}, {"2.5", 2.15L}, {"3.0", 2.52L}, {"3.5", 2.86L}, {"4.0", 3.17L}}}, // 7, 0
        {"42", "30", {{"2.0", 2.08L}, {"2.5", 2.54L}, {"3.0", 2.99L}, {"3.5", 3.41L}, {"4.0", 3.8L}}}, // 7, 1
        {"45", "20", {{"2.0", 1.86L}, {"2.5", 2.27L}, {"3.0", 2.66L}, {"3.5", 3.02L}, {"4.0", 3.36L}}}, // 8, 0
        {"45", "30", {{"2.0", 2.17L}, {"2.5", 2.66L}, {"3.0", 3.13L}, {"3.5", 3.57L}, {"4.0", 3.99L}}}, // 8, 1
        {"50", "25", {{"2.0", 2.17L}, {"2.5", 2.66L}, {"3.0", 3.13L}, {"3.5", 3.57L}, {"4.0", 3.99L}}}, // 9, 0
        {"50", "30", {{"2.0", 2.32L}, {"2.5", 2.86L}, {"3.0", 3.36L}, {"3.5", 3.85L}, {"4.0", 4.3L}}}, // 9, 1
        {"50", "35", {{"2.0", 2.49L}, {"2.5", 3.09L}, {"3.0", 3.6L}, {"3.5", 4.12L}, {"4.0", 4.62L}}}, // 9, 2
        {"50", "40", {{"2.0", 2.65L}, {"2.5", 3.25L}, {"3.0", 3.83L}, {"3.5", 4.39L}, {"4.0", 4.93L}}}, // 9, 3
        {"60", "25", {{"2.5", 3.05L}, {"3.0", 3.6L}, {"3.5", 4.12L}, {"4.0", 4.62L}, {"5.0", 5.55L}}}, // 10, 0
        {"60", "30", {{"2.5", 3.25L}, {"3.0", 3.83L}, {"3.5", 4.39L}, {"4.0", 4.93L}, {"5.0", 5.94L}}}, // 10, 1
        {"60", "40", {{"3.0", 4.3L}, {"3.5", 4.94L}, {"4.0", 5.56L}, {"5.0", 6.73L}}}, // 10, 2
        {"70", "30", {{"3.0", 4.3L}, {"3.5", 4.94L}, {"4.0", 5.56L}, {"5.0", 6.73L}, {"6.0", 7.8L}}}, // 11, 0
        {"70", "40", {{"3.0", 4.78L}, {"3.5", 5.49L}, {"4.0", 6.19L}, {"5.0", 7.51L}, {"6.0", 8.75L}}}, // 11, 1
        {"70", "50", {{"3.0", 5.25L}, {"3.5", 6.04L}, {"4.0", 6.82L}, {"5.0", 8.3L}, {"6.0", 9.69L}, {"7.0", 10.99L}}}, // 11, 2
        {"80", "40", {{"3.0", 5.25L}, {"3.5", 6.04L}, {"4.0", 6.82L}, {"5.0", 8.3L}, {"6.0", 9.69L}, {"7.0", 10.99L}}}, // 12, 0
        {"80", "50", {{"3.0", 5.72L}, {"3.5", 6.59L}, {"4.0", 7.44L}}}, // 12, 1
        {"80", "60", {{"3.5", 7.14L}, {"4.0", 8.07L}, {"5.0", 9.87L}, {"6.0", 11.57L}, {"7.0", 13.19L}}}, // 12, 2
        {"90", "40", {{"3.5", 6.59L}, {"4.0", 7.44L}, {"5.0", 9.08L}, {"6.0", 10.63L}, {"7.0", 12.09L}}}, // 13, 0
        {"90", "50", {{"3.0", 6.19L}}}, // 13, 1
        {"90", "60", {{"4.0", 8.7L}, {"5.0", 10.65L}, {"6.0", 12.51L}, {"7.0", 14.29L}}}, // 13, 2
        {"100", "40", {{"4.0", 8.07L}, {"5.0", 9.87L}, {"6.0", 11.57L}, {"7.0", 13.19L}}}, // 14, 0
        {"100", "50", {{"4.0", 8.7L}, {"5.0", 10.65L}, {"6.0", 12.51L}, {"7.0", 14.29L}}}, // 14, 1
        {"100", "70", {{"4.0", 9.96L}, {"5.0", 12.22L}, {"6.0", 14.4L}, {"7.0", 16.48L}}}, // 14, 2
        {"110", "40", {{"4.0", 8.7L}, {"5.0", 10.65L}, {"6.0", 12.51L}, {"7.0", 14.29L}}}, // 15, 0
        {"110", "50", {{"4.0", 9.33L}, {"5.0", 11.44L}, {"6.0", 13.46L}, {"7.0", 15.38L}}}, // 15, 1
        {"110", "60", {{"4.0", 9.96L}, {"5.0", 12.22L}, {"6.0", 14.4L}, {"7.0", 16.48L}}}, // 15, 2
        {"120", "40", {{"5.0", 11.44L}, {"6.0", 13.46L}, {"7.0", 15.38L}, {"8.0", 17.22L}}}, // 16, 0
        {"120", "60", {{"5.0", 13.0L}, {"6.0", 15.34L}, {"7.0", 17.58L}, {"8.0", 19.73L}}}, // 16, 1
        {"120", "80", {{"5.0", 14.58L}, {"6.0", 17.22L}, {"7.0", 19.78L}, {"8.0", 22.25L}}}, // 16, 2
        {"140", "60", {{"3.0", 9.02L}, {"5.0", 14.58L}, {"6.0", 17.22L}, {"7.0", 19.78L}, {"8.0", 22.25L}}}, // 17, 0
        {"140", "80", {{"5.0", 16.15L}, {"6.0", 19.11L}, {"7.0", 21.98L}, {"8.0", 24.76L}}}, // 17, 1
        {"140", "120", {{"6.0", 22.88L}, {"7.0", 26.37L}, {"8.0", 29.78L}, {"9.0", 33.1L}}}, // 17, 2
        {"150", "60", {{"7.0", 20.88L}}}, // 18, 0
        {"150", "80", {{"6.0", 20.05L}, {"7.0", 23.08L}, {"8.0", 26.01L}, {"9.0", 28.86L}, {"10.0", 31.62L}}}, // 18, 1
        {"150", "100", {{"6.0", 21.93L}, {"7.0", 25.28L}, {"8.0", 28.53L}, {"9.0", 31.69L}, {"10.0", 34.76L}}}, // 18, 2
        {"160", "130", {{"8.0", 33.55L}}}, // 19, 0
        {"180", "80", {{"7.0", 26.37L}, {"8.0", 29.78L}, {"9.0", 33.1L}, {"10.0", 36.33L}, {"12.0", 42.52L}}}, // 20, 0
        {"180", "100", {{"8.0", 32.29L}, {"9.0", 35.93L}, {"10.0", 39.47L}, {"12.0", 46.29L}}}, // 20, 1
        {"180", "145", {{"20.0", 84.1L}}}, // 20, 2
        {"180", "150", {{"8.0", 38.57L}, {"9.0", 42.99L}, {"10.0", 47.32L}, {"12.0", 55.71L}}}, // 20, 3
        {"190", "120", {{"12", 51.94L}}}, // 21, 0
        {"196", "170", {{"18", 88.99L}}}, // 22, 0
        {"200", "120", {{"8.0", 37.32L}}}, // 23, 0
        {"230", "100", {{"8.0", 38.57L}}}, // 24, 0
    };
    // clang-format on
    return table;
}

// The rows of the larger side at `largerPos`, as [first, last) indexes into rectTable().
std::pair<int, int> rectRowsOf(int largerPos)
{
    const auto& table = rectTable();
    int pos = -1;
    int first = -1;
    for (int i = 0; i < int(table.size()); ++i) {
        if (i == 0 || QLatin1String(table[i].larger) != QLatin1String(table[i - 1].larger))
            ++pos;
        if (pos == largerPos && first < 0)
            first = i;
        if (pos > largerPos)
            return {first, i};
    }
    return first < 0 ? std::pair{0, 0} : std::pair{first, int(table.size())};
}

const RectRow* rectRow(int largerPos, int smallerPos)
{
    const auto [first, last] = rectRowsOf(largerPos);
    if (smallerPos < 0 || first + smallerPos >= last)
        return nullptr;
    return &rectTable()[first + smallerPos];
}

QStringList wallTexts(const std::vector<Wall>& walls)
{
    QStringList out;
    for (const Wall& w : walls)
        out << QString::fromLatin1(w.text);
    return out;
}

std::optional<long double> wallWeight(const std::vector<Wall>& walls, int wallPos)
{
    if (wallPos < 0 || wallPos >= int(walls.size()))
        return std::nullopt;
    return walls[wallPos].kgPerMetre;
}

int at(const QList<int>& positions, int i)
{
    return i < positions.size() ? positions[i] : -1;
}

QString textAt(const QStringList& texts, int i)
{
    return i < texts.size() ? texts[i] : QString();
}

const PerMetreProduct& tube()
{
    static const PerMetreProduct product{
        {QStringLiteral("при {} м. трубы,"), QStringLiteral("общий её вес, составляет: {} кг."),
         QStringLiteral("при весе в {} кг.,"), QStringLiteral("длина трубы составляет: {} м.")},
        {Reading::Text, Reading::Text, NoMatch::KeepResult, TubeWeightRefusal, TubeLengthRefusal}};
    return product;
}

QString squareDescription(const TubeChoice& c)
{
    return "Наружний размер трубы " + textAt(c.texts, 0) + " мм,\r\nтолщина стенки трубы " +
           textAt(c.texts, 1) + " мм,";
}

QString rectDescription(const TubeChoice& c)
{
    return "Большая сторона трубы " + textAt(c.texts, 0) + " мм,\r\nменьшая сторона трубы " +
           textAt(c.texts, 1) + " мм,\r\nтолщина стенки трубы " + textAt(c.texts, 2) + " мм,";
}

std::optional<long double> squareEntry(const TubeChoice& c)
{
    return squareTubeKgPerMetre(at(c.positions, 0), at(c.positions, 1));
}

std::optional<long double> rectEntry(const TubeChoice& c)
{
    return rectTubeKgPerMetre(at(c.positions, 0), at(c.positions, 1), at(c.positions, 2));
}

} // namespace

QStringList squareTubeSizes()
{
    return itemTexts(squareTable(), &SquareRow::size);
}

QStringList squareTubeWalls(int sizePos)
{
    if (sizePos < 0 || sizePos >= int(squareTable().size()))
        return {};
    return wallTexts(squareTable()[sizePos].walls);
}

std::optional<long double> squareTubeKgPerMetre(int sizePos, int wallPos)
{
    if (sizePos < 0 || sizePos >= int(squareTable().size()))
        return std::nullopt;
    return wallWeight(squareTable()[sizePos].walls, wallPos);
}

QStringList rectTubeLargerSides()
{
    QStringList out;
    for (const RectRow& row : rectTable())
        if (out.isEmpty() || out.last() != QLatin1String(row.larger))
            out << QString::fromLatin1(row.larger);
    return out;
}

QStringList rectTubeSmallerSides(int largerPos)
{
    QStringList out;
    if (largerPos < 0)
        return out;
    const auto [first, last] = rectRowsOf(largerPos);
    for (int i = first; i < last; ++i)
        out << QString::fromLatin1(rectTable()[i].smaller);
    return out;
}

QStringList rectTubeWalls(int largerPos, int smallerPos)
{
    const RectRow* row = largerPos < 0 ? nullptr : rectRow(largerPos, smallerPos);
    return row ? wallTexts(row->walls) : QStringList();
}

std::optional<long double> rectTubeKgPerMetre(int largerPos, int smallerPos, int wallPos)
{
    const RectRow* row = largerPos < 0 ? nullptr : rectRow(largerPos, smallerPos);
    if (!row)
        return std::nullopt;
    return wallWeight(row->walls, wallPos);
}

ListReaction squareTubeSelect(int list, const QList<int>& positions)
{
    ListReaction r;
    if (list == 0) { // outer size: the wall list follows; the fields keep their contents
        r.emptied = {1};
        r.refilled = 1;
        r.items = squareTubeWalls(at(positions, 0));
    }
    return r;
}

ListReaction rectTubeSelect(int list, const QList<int>& positions)
{
    ListReaction r;
    r.resetsFields = list >= 0 && list <= 2;
    if (list == 0) { // larger side: the smaller sides follow, the walls are emptied
        r.emptied = {1, 2};
        r.refilled = 1;
        r.items = rectTubeSmallerSides(at(positions, 0));
    } else if (list == 1) { // smaller side: the walls follow
        r.emptied = {2};
        r.refilled = 2;
        r.items = rectTubeWalls(at(positions, 0), at(positions, 1));
    }
    return r;
}

Outcome squareTubeWeight(const TubeChoice& choice, const PerMetreFields& fields)
{
    return perMetreWeight(tube(), squareEntry(choice), squareDescription(choice), fields);
}

Outcome squareTubeLength(const TubeChoice& choice, const PerMetreFields& fields)
{
    return perMetreLength(tube(), squareEntry(choice), squareDescription(choice), fields);
}

Outcome rectTubeWeight(const TubeChoice& choice, const PerMetreFields& fields)
{
    return perMetreWeight(tube(), rectEntry(choice), rectDescription(choice), fields);
}

Outcome rectTubeLength(const TubeChoice& choice, const PerMetreFields& fields)
{
    return perMetreLength(tube(), rectEntry(choice), rectDescription(choice), fields);
}

} // namespace tolvex::calc
