#pragma once

#include <QChar>
#include <QLocale>
#include <QString>

// How the geometry windows read their fields and write their result lines.
namespace tolvex::geometry
{

// A dimension field's value (a double, widened): an empty text or a text that is no
// number reads as 0.
long double readDimension(const QString& text);
long double readDimension(const QString& text, QChar decimalPoint);

// Degrees to radians with the extended-precision π.
long double radians(long double degrees);

// Flat-blank result number: three fixed decimals of a value rounded to ten
// significant digits; a value needing more than ten digits before the separator
// is written in the exponent form of the general number form ("1,234567891E13").
QString blankNumber(long double value, QChar decimalPoint);

// Solid result number: the general number form, with the exponent form below
// 0,00001, cut to its first six characters; an exponent is kept after the cut
// mantissa ("5,2359E-6").
QString solidNumber(long double value, QChar decimalPoint);

// A whole number of the base dialogs when not being edited: thousands grouped
// ("10 000"), a negative value in parentheses ("(1 500)").
QString groupedWhole(qint64 value, const QLocale& locale);
// Reads a whole number in either form (plain while edited, grouped when not); 0
// when there is none.
qint64 readWhole(const QString& text, const QLocale& locale);

} // namespace tolvex::geometry
