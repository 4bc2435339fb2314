#include "core/common/NumberText.h"

#include <QLocale>
#include <QRegularExpression>
#include <charconv>
#include <cmath>
#include <string>

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
    if (exponent < -4 || exponent >= 15) {
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
    if (out.startsWith(QChar('-')) && out.indexOf(QRegularExpression(QStringLiteral("[1-9]"))) < 0)
        out.remove(0, 1); // "-0,000" reads as "0,000"
    out.replace(QChar('.'), decimalPoint);
    return out;
}

QString cutText(const QString& text, int count)
{
    return text.left(count);
}

std::optional<long double> parseNumber(const QString& text)
{
    return parseNumber(text, systemDecimalPoint());
}

std::optional<long double> parseNumber(const QString& text, QChar decimalPoint)
{
    const QString t = text.trimmed();
    std::string plain;
    plain.reserve(std::size_t(t.size()));
    bool negative = false;
    bool separatorSeen = false;
    int digitCount = 0;
    for (qsizetype i = 0; i < t.size(); ++i) {
        const QChar c = t.at(i);
        if (i == 0 && (c == QChar('-') || c == QChar('+'))) {
            negative = c == QChar('-');
        } else if (c >= QChar('0') && c <= QChar('9')) {
            plain += char(c.unicode());
            ++digitCount;
        } else if (c == decimalPoint && !separatorSeen) {
            separatorSeen = true;
            plain += '.';
        } else {
            return std::nullopt;
        }
    }
    if (digitCount == 0)
        return std::nullopt;
    if (plain.front() == '.')
        plain.insert(plain.begin(), '0');
    if (plain.back() == '.')
        plain.pop_back();
    long double value = 0;
    const auto res = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (res.ec != std::errc() || res.ptr != plain.data() + plain.size() || !std::isfinite(value))
        return std::nullopt;
    return negative ? -value : value;
}

} // namespace tolvex
