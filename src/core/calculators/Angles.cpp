#include "core/calculators/Angles.h"

namespace tolvex::calc
{

const AngleTable& equalLegAngles()
{
    static const AngleTable table{
        {"20", {{"3", 0.89L}, {"4", 1.15L}}},
        {"25", {{"3", 1.12L}, {"4", 1.46L}}},
        {"28", {{"3", 1.27L}}},
        {"32", {{"3", 1.46L}, {"4", 1.91L}}},
        {"36", {{"3", 1.65L}, {"4", 2.16L}}},
        {"40", {{"3", 1.85L}, {"4", 2.42L}, {"5", 2.97L}}},
        {"45", {{"3", 2.08L}, {"4", 2.73L}, {"5", 3.37L}}},
        {"50", {{"3", 2.32L}, {"4", 3.05L}, {"5", 3.77L}}},
        {"56", {{"4", 3.44L}, {"5", 4.25L}}},
        {"63", {{"4", 3.9L}, {"5", 4.81L}, {"6", 5.72L}}},
        {"70", {{"4,5", 4.87L}, {"5", 5.38L}, {"6", 6.39L}, {"7", 7.39L}, {"8", 8.37L}}},
        {"75", {{"5", 5.8L}, {"6", 6.89L}, {"7", 7.96L}, {"8", 9.02L}, {"9", 10.1L}}},
        {"80", {{"5,5", 6.78L}, {"6", 7.36L}, {"7", 8.51L}, {"8", 9.65L}}},
        {"90", {{"6", 8.33L}, {"7", 9.64L}, {"8", 10.9L}, {"9", 12.2L}}},
        {"100",
         {{"6,5", 10.1L},
          {"7", 10.8L},
          {"8", 12.2L},
          {"10", 15.1L},
          {"12", 17.9L},
          {"14", 20.6L},
          {"16", 23.3L}}},
        {"110", {{"7", 11.9L}, {"8", 13.5L}}},
        {"125",
         {{"8", 15.5L}, {"9", 17.3L}, {"10", 19.1L}, {"12", 22.7L}, {"14", 26.2L}, {"16", 29.6L}}},
        {"140", {{"9", 19.4L}, {"10", 21.5L}, {"12", 25.5L}}},
        {"160",
         {{"10", 24.7L},
          {"11", 27.0L},
          {"12", 29.4L},
          {"14", 34.0L},
          {"16", 38.5L},
          {"18", 43.0L},
          {"20", 47.4L}}},
        {"180", {{"11", 30.5L}, {"12", 33.1L}}},
        {"200",
         {{"12", 37.0L},
          {"13", 39.9L},
          {"14", 42.8L},
          {"16", 48.7L},
          {"20", 60.1L},
          {"25", 74.0L},
          {"30", 87.6L}}},
        {"220", {{"14", 47.4L}, {"16", 53.8L}}},
        {"250",
         {{"16", 61.5L},
          {"18", 68.9L},
          {"20", 76.1L},
          {"22", 83.3L},
          {"25", 94.0L},
          {"28", 104.5L},
          {"30", 111.4L}}},
    };
    return table;
}

const AngleTable& unequalLegAngles()
{
    static const AngleTable table{
        {"25 х 16", {{"3", 0.91L}}},
        {"32 х 20", {{"3", 1.17L}, {"4", 1.52L}}},
        {"40 х 25", {{"3", 1.48L}, {"4", 1.94L}}},
        {"45 х 28", {{"3", 1.68L}, {"4", 2.2L}}},
        {"50 х 32", {{"3", 1.9L}, {"4", 2.49L}}},
        {"56 х 36", {{"4", 2.81L}, {"5", 3.46L}}},
        {"63 х 40", {{"4", 3.17L}, {"5", 3.91L}, {"6", 4.63L}, {"8", 6.03L}}},
        {"70 х 45", {{"5", 4.39L}}},
        {"75 х 50", {{"5", 4.79L}, {"6", 5.69L}, {"8", 7.43L}}},
        {"80 х 50", {{"5", 4.99L}, {"6", 5.92L}}},
        {"90 х 56", {{"5,5", 6.17L}, {"6", 6.7L}, {"8", 8.77L}}},
        {"100 х 63", {{"6", 7.53L}, {"7", 8.7L}, {"8", 9.87L}, {"10", 12.1L}}},
        {"110 х 70", {{"6,5", 8.98L}, {"8", 10.9L}}},
        {"125 х 80", {{"7", 11.0L}, {"8", 12.5L}, {"10", 15.5L}, {"12", 18.3L}}},
        {"140 х 90", {{"8", 14.1L}, {"10", 17.5L}}},
        {"160 х 100", {{"9", 18.0L}, {"10", 19.8L}, {"12", 23.6L}, {"14", 27.3L}}},
        {"180 х 110", {{"10", 22.2L}, {"12", 26.4L}}},
        {"200 х 125", {{"11", 27.4L}, {"12", 29.7L}, {"14", 34.4L}, {"16", 39.1L}}},
        {"250 х 160", {{"12", 37.9L}, {"16", 49.9L}, {"18", 55.8L}, {"20", 61.7L}}},
    };
    return table;
}

QStringList angleSizeTexts(const AngleTable& table)
{
    QStringList texts;
    for (const AngleSize& size : table)
        texts << size.text;
    return texts;
}

QStringList angleThicknessTexts(const AngleTable& table, int sizePosition)
{
    QStringList texts;
    if (sizePosition >= 0 && std::size_t(sizePosition) < table.size())
        for (const AngleThickness& t : table[std::size_t(sizePosition)].thicknesses)
            texts << t.text;
    return texts;
}

std::optional<long double> angleKgPerMetre(const AngleTable& table, int sizePosition,
                                           int thicknessPosition)
{
    if (sizePosition < 0 || std::size_t(sizePosition) >= table.size())
        return std::nullopt;
    const auto& row = table[std::size_t(sizePosition)].thicknesses;
    if (thicknessPosition < 0 || std::size_t(thicknessPosition) >= row.size())
        return std::nullopt;
    return row[std::size_t(thicknessPosition)].kgPerMetre;
}

std::optional<long double> angleKgPerMetre(const AngleSelection& s)
{
    if (s.type == AngleType::UnequalLeg)
        return angleKgPerMetre(unequalLegAngles(), s.sizePosition, s.thicknessPosition);
    return angleKgPerMetre(equalLegAngles(), s.widthPosition, s.thicknessPosition);
}

namespace
{

// Angles read their fields as texts; without a match the result field keeps its text.
const PerMetreProduct Angle{{QStringLiteral("при длине уголка в {} м.,"),
                             QStringLiteral("общий вес уголка составит: {} кг."),
                             QStringLiteral("при весе уголка в {} кг.,"),
                             QStringLiteral("длина уголка составит: {} м.")},
                            {Reading::Text, Reading::Text, NoMatch::KeepResult}};

QString description(const AngleSelection& s)
{
    const QString NL = QStringLiteral("\r\n");
    if (s.type == AngleType::UnequalLeg)
        return "Уголок: неравнополочный " + NL + "тип уголка: " + s.sizeText + NL +
               "толщина уголка: " + s.thicknessText + " мм.";
    return "Уголок равнополочный " + NL + "ширина полки уголка: " + s.widthText + " мм." + NL +
           "толщина уголка: " + s.thicknessText + " мм.";
}

Outcome withoutReportWhenNoType(Outcome out, const AngleSelection& s)
{
    if (out.ok() && s.type == AngleType::None)
        out.report = QString();
    return out;
}

} // namespace

Outcome Ugolok(const AngleSelection& s, const PerMetreFields& fields)
{
    return withoutReportWhenNoType(
        perMetreWeight(Angle, angleKgPerMetre(s), description(s), fields), s);
}

Outcome Ugolok1(const AngleSelection& s, const PerMetreFields& fields)
{
    return withoutReportWhenNoType(
        perMetreLength(Angle, angleKgPerMetre(s), description(s), fields), s);
}

} // namespace tolvex::calc
