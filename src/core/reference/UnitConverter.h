#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

// Unit converters for length, mass and area: a list of units, each with its size in
// the base unit of its quantity (metre, kilogram, square metre) taken from its
// definition, and the conversions between them in extended precision.
namespace tolvex::units
{

enum class Quantity { Length, Mass, Area };

struct Unit {
    QString name;     // the list item, with its one leading blank (" Верста")
    long double base; // one unit in metres, kilograms or square metres
    QString note;     // what sets it apart where the name alone does not (hint), else empty
};

// The units of a quantity in list order: 48 of length, 18 of mass, 14 of area.
const std::vector<Unit>& units(Quantity quantity);

class UnitConverter
{
public:
    explicit UnitConverter(Quantity quantity);

    int count() const { return int(m_units.size()); }
    const Unit& unit(int index) const { return m_units[std::size_t(index)]; }
    QStringList names() const;
    // The position of the unit with this name (leading blanks ignored), -1 if none.
    int indexOf(const QString& name) const;

    // How many units `to` make one unit `from`.
    long double ratio(int from, int to) const;
    // The ratio column for a chosen unit: one of it in every unit, general form.
    QStringList ratioTexts(int from) const;
    // A value written in unit `from` (system locale, general form with an exponent
    // allowed) in every unit; no values when the value is no number.
    std::optional<std::vector<long double>> values(const QString& value, int from) const;
    // The same values in the general form.
    std::optional<QStringList> convert(const QString& value, int from) const;

private:
    const std::vector<Unit>& m_units;
};

// Reads a number in the general form the program writes: the system locale's
// separator and an optional exponent ("1,0021E-13", "9,4607304725808E15").
std::optional<long double> readGeneral(const QString& text);

} // namespace tolvex::units
