#include "core/common/NumberText.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <locale>
#include <sstream>
#include <string>
#include <type_traits>

namespace tolvex
{

QChar systemDecimalPoint()
{
    const QString point = QLocale::system().decimalPoint();
    return point.isEmpty() ? QChar('.') : point.front();
}

QString formatGeneral(long double value)
{
    return formatGeneral(value, systemDecimalPoint());
}

QString formatGeneral(long double value, QChar decimalPoint)
{
    return formatGeneral(value, decimalPoint, -4);
}

QString formatGeneral(long double value, QChar decimalPoint, int smallestPlainExponent)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");

    // 15 significant digits, rounded once, as d.dddddddddddddde±x.
    char buffer[64];
    const auto res =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    const std::string text(buffer, res.ptr);
    const bool negative = text.front() == '-';
    const std::size_t ePos = text.find('e');
    std::string digits;
    for (std::size_t i = negative ? 1 : 0; i < ePos; ++i)
        if (text[i] != '.')
            digits += text[i];
    const int exponent = std::stoi(text.substr(ePos + 1));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    QString out;
    if (negative)
        out += QChar('-');
    if (exponent < smallestPlainExponent || exponent >= 15) {
        out += QChar(digits[0]);
        if (digits.size() > 1) {
            out += decimalPoint;
            out += QString::fromLatin1(digits.data() + 1, int(digits.size() - 1));
        }
        out += QChar('E');
        out += QString::number(exponent);
        return out;
    }
    if (exponent < 0) {
        out += QChar('0');
        out += decimalPoint;
        out += QString(-exponent - 1, QChar('0'));
        out += QString::fromLatin1(digits.data(), int(digits.size()));
        return out;
    }
    const int whole = exponent + 1;
    if (int(digits.size()) <= whole) {
        out += QString::fromLatin1(digits.data(), int(digits.size()));
        out += QString(whole - int(digits.size()), QChar('0'));
    } else {
        out += QString::fromLatin1(digits.data(), whole);
        out += decimalPoint;
        out += QString::fromLatin1(digits.data() + whole, int(digits.size()) - whole);
    }
    return out;
}

QString formatFixed(long double value, int decimals)
{
    return formatFixed(value, decimals, systemDecimalPoint());
}

QString formatFixed(long double value, int decimals, QChar decimalPoint)
{
    if (!std::isfinite(value))
        return formatGeneral(value, decimalPoint);
    char buffer[6000];
    const auto res =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (res.ec != std::errc())
        return formatGeneral(value, decimalPoint);
    QString out = QString::fromLatin1(buffer, int(res.ptr - buffer));
    const bool allZero = std::none_of(out.cbegin(), out.cend(),
                                      [](QChar c) { return c >= QChar('1') && c <= QChar('9'); });
    if (out.startsWith(QChar('-')) && allZero)
        out.remove(0, 1); // "-0,000" reads as "0,000"
    out.replace(QChar('.'), decimalPoint);
    return out;
}

bool fitsDouble(long double value)
{
    return std::isfinite(value) &&
           std::fabs(value) <= static_cast<long double>(std::numeric_limits<double>::max());
}

QString cutText(const QString& text, int count)
{
    return text.left(count);
}

namespace
{

// The plain "C" form of a number text ("-12.5e-3"), or nothing when the text is no
// number: optional sign, digits with at most one separator (digits may be missing on
// either side of it), then an optional exponent: "E" or "e", an optional sign and
// digits. Blanks around the number are ignored.
std::optional<std::string> plainNumber(const QString& text, QChar decimalPoint)
{
    // A plain scan rather than a pattern: this runs for every field of every calculation.
    const QString t = text.trimmed();
    const qsizetype n = t.size();
    qsizetype i = 0;
    auto digits = [&](qsizetype from) {
        qsizetype k = from;
        while (k < n && t[k] >= QChar('0') && t[k] <= QChar('9'))
            ++k;
        return k - from;
    };
    std::string plain;
    if (i < n && (t[i] == QChar('-') || t[i] == QChar('+')))
        plain = t[i++] == QChar('-') ? "-" : "";
    const qsizetype whole = digits(i);
    const QString wholeDigits = t.mid(i, whole);
    i += whole;
    QString fraction;
    if (i < n && t[i] == decimalPoint) {
        const qsizetype count = digits(i + 1);
        fraction = t.mid(i + 1, count);
        i += 1 + count;
    }
    QString exponent;
    if (i < n && (t[i] == QChar('E') || t[i] == QChar('e'))) {
        qsizetype k = i + 1;
        if (k < n && (t[k] == QChar('-') || t[k] == QChar('+')))
            ++k;
        const qsizetype count = digits(k);
        if (count == 0)
            return std::nullopt; // an exponent needs its digits
        exponent = t.mid(i + 1, k + count - i - 1);
        i = k + count;
    }
    if (i != n || (wholeDigits.isEmpty() && fraction.isEmpty()))
        return std::nullopt;
    plain += wholeDigits.isEmpty() ? std::string("0") : wholeDigits.toStdString();
    if (!fraction.isEmpty())
        plain += '.' + fraction.toStdString();
    if (!exponent.isEmpty())
        plain += 'e' + exponent.toStdString();
    return plain;
}

template <typename Number> std::optional<Number> parseAs(const QString& text, QChar decimalPoint)
{
    const auto plain = plainNumber(text, decimalPoint);
    if (!plain)
        return std::nullopt;
    Number value = 0;
    const char* begin = plain->data();
    const char* end = begin + plain->size();
    const auto res = std::from_chars(begin, end, value);
    if constexpr (std::is_same_v<Number, long double>) {
        // The C++ library refuses a long double below the smallest normal one as out of
        // range, though the general form writes such values: read an out-of-range text
        // again through the stream's "C" conversion, which keeps them; an overflow
        // fails there too and an underflow gives 0.
        if (res.ec == std::errc::result_out_of_range) {
            std::istringstream in(*plain);
            in.imbue(std::locale::classic());
            if (in >> value && value != 0 && std::isfinite(value))
                return value;
            return std::nullopt;
        }
    }
    if (res.ec != std::errc() || res.ptr != end || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace

std::optional<long double> parseNumber(const QString& text)
{
    return parseNumber(text, systemDecimalPoint());
}

std::optional<long double> parseNumber(const QString& text, QChar decimalPoint)
{
    return parseAs<long double>(text, decimalPoint);
}

std::optional<long double> parseFieldValue(const QString& text)
{
    return parseFieldValue(text, systemDecimalPoint());
}

std::optional<long double> parseFieldValue(const QString& text, QChar decimalPoint)
{
    const auto value = parseAs<double>(text, decimalPoint);
    if (!value)
        return std::nullopt;
    return static_cast<long double>(*value);
}

} // namespace tolvex
