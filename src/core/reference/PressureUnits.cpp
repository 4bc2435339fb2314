#include "core/reference/PressureUnits.h"

#include "core/common/NumberText.h"

namespace tolvex::pressure
{

namespace
{

// Row: one unit of the row's unit expressed in each unit of the column order.
const char16_t* const factors[unitCount][unitCount] = {
    // bar
    {u"1", u"1000", u"100000", u"100", u"0,1", u"0,01019716", u"1,019716", u"0,986923", u"750,062",
     u"10,19716", u"10197,16", u"14,50377"},
    // mbar
    {u"0,001", u"1", u"100", u"0,1", u"0,0001", u"0,0000101972", u"0,001019716", u"0,000986923",
     u"0,750062", u"0,01019716", u"10,19716", u"0,01450377"},
    // Па
    {u"0,00001", u"0,01", u"1", u"0,001", u"0,000001", u"0,000000102", u"0,000010197",
     u"0,000009869", u"0,00750062", u"0,0001019716", u"0,1019716", u"0,000145038"},
    // кПа
    {u"0,01", u"10", u"1000", u"1", u"0,001", u"0,0001019716", u"0,01019716", u"0,00986923",
     u"7,50062", u"0,1019716", u"101,9716", u"0,1450377"},
    // МПа
    {u"10", u"10000", u"1000000", u"1000", u"1", u"0,1019716", u"10,19716", u"9,86923", u"7500,62",
     u"101,9716", u"101971,6", u"145,0377"},
    // кгс/мм2
    {u"98,0665", u"98066,5", u"9806650", u"9806,65", u"9,80665", u"1", u"100", u"96,7841",
     u"73555,9", u"1000", u"1000000", u"1422,3344"},
    // кгс/см2
    {u"0,980665", u"980,665", u"98066,5", u"98,0665", u"0,0980665", u"0,01", u"1", u"0,967841",
     u"735,559", u"10", u"10000", u"14,223344"},
    // физ. атм.
    {u"1,01325", u"1013,25", u"101325", u"101,325", u"0,101325", u"0,01033227", u"1,033227", u"1",
     u"760", u"10,33227", u"10332,27", u"14,6959"},
    // мм рт.ст.
    {u"0,001333224", u"1,333224", u"133,3224", u"0,1333224", u"0,000133322", u"0,0000135951",
     u"0,00135951", u"0,001315789", u"1", u"0,01360", u"13,60", u"0,019336"},
    // м вод.ст.
    {u"0,0980665", u"98,0665", u"9806,65", u"9,80665", u"0,00980665", u"0,001", u"0,1",
     u"0,0967841", u"73,556", u"1", u"1000", u"1,4223274"},
    // мм вод.ст.
    {u"0,000098067", u"0,0980665", u"9,80665", u"0,00980665", u"0,000009807", u"0,000001",
     u"0,0001", u"0,000096784", u"0,073556", u"0,001", u"1", u"0,001422327"},
    // psi
    {u"0,06894757", u"68,94757", u"6894,757", u"6,894757", u"0,006894757", u"0,00070307",
     u"0,070307", u"0,068046", u"51,715217", u"0,70307", u"703,07", u"1"},
};

} // namespace

QStringList unitNames()
{
    return {QStringLiteral("bar"),       QStringLiteral("mbar"),       QStringLiteral("Па"),
            QStringLiteral("кПа"),       QStringLiteral("МПа"),        QStringLiteral("кгс/мм2"),
            QStringLiteral("кгс/см2"),   QStringLiteral("физ. атм."),  QStringLiteral("мм рт.ст."),
            QStringLiteral("м вод.ст."), QStringLiteral("мм вод.ст."), QStringLiteral("psi")};
}

QString factorText(int row, int column)
{
    if (row < 0 || row >= unitCount || column < 0 || column >= unitCount)
        return {};
    return QString::fromUtf16(factors[row][column]);
}

QStringList factorRow(int row)
{
    QStringList out;
    for (int column = 0; column < unitCount; ++column)
        out << factorText(row, column);
    return out;
}

QString buttonHint(int unit)
{
    if (unit == 7)
        return QStringLiteral("Расчет по физ.атм.");
    return QStringLiteral("Расчет по ") + unitNames().value(unit);
}

std::optional<long double> product(const QString& value, const QString& factor)
{
    const std::optional<long double> v = parseNumber(value);
    const std::optional<long double> f = parseNumber(factor, QChar(','));
    if (!v || !f)
        return std::nullopt;
    return *v * *f;
}

std::optional<QString> productText(const QString& value, const QString& factor)
{
    const std::optional<long double> p = product(value, factor);
    if (!p)
        return std::nullopt;
    return formatGeneral(*p);
}

} // namespace tolvex::pressure
