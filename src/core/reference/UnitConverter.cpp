#include "core/reference/UnitConverter.h"

#include "core/common/NumberText.h"

#include <cmath>

namespace tolvex::units
{

UnitConverter::UnitConverter(Quantity quantity) : m_units(units(quantity)) {}

QStringList UnitConverter::names() const
{
    QStringList out;
    for (const Unit& u : m_units)
        out << u.name;
    return out;
}

int UnitConverter::indexOf(const QString& name) const
{
    const QString wanted = name.trimmed();
    for (int i = 0; i < count(); ++i)
        if (unit(i).name.trimmed() == wanted)
            return i;
    return -1;
}

long double UnitConverter::ratio(int from, int to) const
{
    return unit(from).base / unit(to).base;
}

QStringList UnitConverter::ratioTexts(int from) const
{
    QStringList out;
    for (int to = 0; to < count(); ++to)
        out << formatGeneral(ratio(from, to));
    return out;
}

std::optional<std::vector<long double>> UnitConverter::values(const QString& value, int from) const
{
    const std::optional<long double> v = readGeneral(value);
    if (!v)
        return std::nullopt;
    std::vector<long double> out;
    for (int to = 0; to < count(); ++to)
        out.push_back(to == from ? *v : *v * ratio(from, to));
    return out;
}

std::optional<QStringList> UnitConverter::convert(const QString& value, int from) const
{
    const auto v = values(value, from);
    if (!v)
        return std::nullopt;
    QStringList out;
    for (const long double x : *v)
        out << formatGeneral(x);
    return out;
}

std::optional<long double> readGeneral(const QString& text)
{
    const QString t = text.trimmed();
    const qsizetype e = t.indexOf(QChar('E'), 0, Qt::CaseInsensitive);
    if (e < 0)
        return parseNumber(t);
    const std::optional<long double> mantissa = parseNumber(t.left(e));
    bool ok = false;
    const int exponent = t.mid(e + 1).toInt(&ok);
    if (!mantissa || !ok || t.mid(e + 1).contains(systemDecimalPoint()))
        return std::nullopt;
    const long double value = *mantissa * std::pow(10.0L, exponent);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace tolvex::units
