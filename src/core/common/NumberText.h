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
// The same with another lower limit of the positional form: values whose rounded
// decimal exponent is below `smallestPlainExponent` are written in the exponent form
// (-4 above: below 1E-4).
QString formatGeneral(long double value, QChar decimalPoint, int smallestPlainExponent);

// Fixed form with the given number of decimals ("0,060").
QString formatFixed(long double value, int decimals);
QString formatFixed(long double value, int decimals, QChar decimalPoint);

// Whether a value is finite and within the range of a double: what a number field
// holds and what the general form writes. A result outside it is an overflow, shown
// as the floating-point error, never written.
bool fitsDouble(long double value);

// The first `count` characters of a text (reports and result lines cut numbers this way).
QString cutText(const QString& text, int count);

// Converts a number text to an extended-precision value. The text is a decimal
// number written with the given separator, optionally followed by an exponent, as the
// general form writes it ("1,5E-5", "2E15"; "e" and a "+" sign are read too): optional
// sign, digits before or after the separator may be missing ("7," reads 7, ",5" reads
// 0.5), blanks around the number are ignored. Anything else (a point under a comma
// locale, letters, an empty text, a value out of range) gives no number.
std::optional<long double> parseNumber(const QString& text, QChar decimalPoint);
std::optional<long double> parseNumber(const QString& text);

// The numeric value a number field holds: the same text read as a double (the field
// keeps its value as a double), then widened. A decimal not exact in binary enters
// the arithmetic rounded to double precision, unlike a converted text.
std::optional<long double> parseFieldValue(const QString& text, QChar decimalPoint);
std::optional<long double> parseFieldValue(const QString& text);

} // namespace tolvex
