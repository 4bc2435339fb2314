#include "core/geometry/GeometryNumbers.h"

#include "core/calculators/Calculation.h"
#include "core/common/NumberText.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tolvex::geometry
{

long double readDimension(const QString& text)
{
    return readDimension(text, systemDecimalPoint());
}

long double readDimension(const QString& text, QChar decimalPoint)
{
    return parseNumber(text, decimalPoint).value_or(0.0L);
}

long double radians(long double degrees)
{
    return degrees * calc::Pi / 180;
}

namespace
{

constexpr int Precision = 10; // significant digits
constexpr int Decimals = 3;

QString withPoint(std::string text, QChar decimalPoint)
{
    QString out = QString::fromLatin1(text.data(), qsizetype(text.size()));
    out.replace(QChar('.'), decimalPoint);
    return out;
}

} // namespace

QString blankNumber(long double value, QChar decimalPoint)
{
    if (!std::isfinite(value))
        return formatGeneral(value, decimalPoint);
    // Round once to ten significant digits to learn the exponent.
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific,
                             Precision - 1);
    const std::string sci(buffer, res.ptr);
    const int exponent = std::stoi(sci.substr(sci.find('e') + 1));
    if (exponent >= Precision) {
        // Exponent form: the ten digits without trailing zeros, "E" and the exponent.
        const bool negative = sci.front() == '-';
        std::string digits;
        for (char c : sci.substr(0, sci.find('e')))
            if (c >= '0' && c <= '9')
                digits += c;
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        std::string out = negative ? "-" : "";
        out += digits.substr(0, 1);
        if (digits.size() > 1)
            out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
        return withPoint(out, decimalPoint);
    }
    if (exponent + 1 + Decimals <= Precision) // the three decimals are the tighter limit
        return formatFixed(value, Decimals, decimalPoint);
    // More than seven whole digits: the ten significant digits, padded with zeros.
    long double rounded = 0;
    std::from_chars(sci.data(), sci.data() + sci.size(), rounded);
    return formatFixed(rounded, Decimals, decimalPoint);
}

QString solidNumber(long double value, QChar decimalPoint)
{
    return cutText(formatGeneral(value, decimalPoint), 6);
}

QString groupedWhole(qint64 value, const QLocale& locale)
{
    if (value < 0)
        return QStringLiteral("(") + locale.toString(-value) + QStringLiteral(")");
    return locale.toString(value);
}

qint64 readWhole(const QString& text, const QLocale& locale)
{
    QString t = text.trimmed();
    bool negative = false;
    if (t.startsWith(QChar('(')) && t.endsWith(QChar(')'))) {
        negative = true;
        t = t.mid(1, t.size() - 2);
    }
    t.remove(locale.groupSeparator());
    t.remove(QChar(' '));
    t.remove(QChar(0x00A0));
    t.remove(QChar(0x202F));
    bool ok = false;
    const qint64 value = t.toLongLong(&ok);
    if (!ok)
        return 0;
    return negative ? -value : value;
}

} // namespace tolvex::geometry
