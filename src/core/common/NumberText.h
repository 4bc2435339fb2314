#pragma once

#include <QChar>
#include <QString>
#include <optional>

// Number text: how the program writes and reads numbers.
//
// The general form writes at most 15 significant digits, drops trailing zeros,
// writes no separator for whole values and switches to the exponent form
// ("1,5E-5", "2E15") when the value, rounded to 15 digits, is below 1E-4 or at
// least 1E15. The decimal separator is the system locale's unless one is given.
// Digits never depend on the C library's locale.
namespace tolvex
{

// The decimal separator of the system locale (a comma on Russian systems).
QChar systemDecimalPoint();

QString formatGeneral(long double value);
QString formatGeneral(long double value, QChar decimalPoint);

// Fixed form with the given number of decimals ("0,060").
QString formatFixed(long double value, int decimals);
QString formatFixed(long double value, int decimals, QChar decimalPoint);

// The first `count` characters of a text (reports and result lines cut numbers this way).
QString cutText(const QString& text, int count);

// Reads a decimal number written with the given separator: optional sign, digits
// before or after the separator may be missing ("7," reads 7, ",5" reads 0.5), blanks
// around the number are ignored. Anything else (a point under a comma locale,
// letters, an exponent, an empty text, a value out of range) gives no number.
std::optional<long double> parseNumber(const QString& text, QChar decimalPoint);
std::optional<long double> parseNumber(const QString& text);

} // namespace tolvex
