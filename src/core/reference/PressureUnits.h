#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// Pressure units: twelve units in a fixed order and the table of factors between
// them, held as the decimal texts the window shows (a decimal comma).
namespace tolvex::pressure
{

constexpr int unitCount = 12;

// "bar", "mbar", "Па", "кПа", "МПа", "кгс/мм2", "кгс/см2", "физ. атм.", "мм рт.ст.",
// "м вод.ст.", "мм вод.ст.", "psi".
QStringList unitNames();

// How much one unit of `row` is in unit `column`, as tabled ("750,062").
QString factorText(int row, int column);
// The twelve factor texts of one row.
QStringList factorRow(int row);

// The hint of the "=" button of a unit: "Расчет по bar" … ("Расчет по физ.атм." for
// the physical atmosphere, without the blank).
QString buttonHint(int unit);

// The product of a value typed in the system locale's notation and a factor text with
// a decimal comma, in extended precision; no number when either is no number.
std::optional<long double> product(const QString& value, const QString& factor);
// The same product in the general number form.
std::optional<QString> productText(const QString& value, const QString& factor);

} // namespace tolvex::pressure
