#include "core/geometry/GeometryNumbers.h"

#include "core/calculators/Calculation.h"
#include "core/common/NumberText.h"

#include <algorithm>
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
    return parseFieldValue(text, decimalPoint).value_or(0.0L);
}

long double radians(long double degrees)
{
    return degrees * calc::Pi / 180;
}

namespace
{

constexpr int Precision = 10; // significant digits
constexpr int Decimals = 3;

// Adds one unit in the last place of a string of decimal digits; gives the carry.
bool incrementDigits(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// Rounds a string of decimal digits to `count` digits, halves away from zero; true
// when the carry ran out of the first digit ("9996" to 3 gives "100" and true).
bool roundDigits(std::string& digits, std::size_t count)
{
    const bool up = digits.size() > count && digits[count] >= '5';
    digits.resize(count, '0');
    if (up && incrementDigits(digits)) {
        digits.insert(digits.begin(), '1');
        digits.pop_back();
        return true;
    }
    return false;
}

} // namespace

QString blankNumber(long double value, QChar decimalPoint)
{
    if (!std::isfinite(value))
        return formatGeneral(value, decimalPoint);
    // The value's decimal digits (more than an extended value holds) and its exponent.
    char buffer[64];
    const auto res = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 24);
    const std::string sci(buffer, res.ptr);
    const std::size_t ePos = sci.find('e');
    int exponent = std::stoi(sci.substr(ePos + 1));
    std::string digits;
    for (std::size_t i = 0; i < ePos; ++i)
        if (sci[i] != '.')
            digits += sci[i];
    // First to ten significant digits...
    if (roundDigits(digits, Precision))
        ++exponent;
    const QString sign = value < 0 ? QStringLiteral("-") : QString();
    if (exponent >= Precision) {
        // ...written in the exponent form when the whole part needs more than ten digits.
        while (digits.size() > 1 && digits.back() == '0')
            digits.pop_back();
        QString out = sign + QChar(digits[0]);
        if (digits.size() > 1)
            out +=
                decimalPoint + QString::fromLatin1(digits.data() + 1, qsizetype(digits.size() - 1));
        return out + QChar('E') + QString::number(exponent);
    }
    // ...then to three decimals: the digits from the first whole place down to 0,001.
    std::string places = exponent >= 0 ? digits : std::string(std::size_t(-exponent), '0') + digits;
    const int whole = std::max(exponent, 0) + 1;
    if (roundDigits(places, std::size_t(whole + Decimals)))
        places.push_back('0'); // "9999" carried to "1000" stands for 10,000
    const std::size_t point = places.size() - Decimals;
    const QString text = QString::fromLatin1(places.data(), qsizetype(point)) + decimalPoint +
                         QString::fromLatin1(places.data() + point, Decimals);
    const bool zero = places.find_first_not_of('0') == std::string::npos;
    return (zero ? QString() : sign) + text;
}

QString solidNumber(long double value, QChar decimalPoint)
{
    const QString text = formatGeneral(value, decimalPoint, -5);
    const qsizetype e = text.indexOf(QChar('E'));
    if (e < 0)
        return cutText(text, 6);
    // Cutting the exponent off would show the value a million times too large.
    return cutText(text.left(e), 6) + text.mid(e);
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
