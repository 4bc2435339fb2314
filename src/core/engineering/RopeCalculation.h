#pragma once

#include "core/engineering/RopeTables.h"

#include <QChar>
#include <QString>
#include <array>

namespace tolvex::ropes
{

// What the rope window writes after "Вычислить": the mass line, the area line and
// the four breaking-force lines. A value the table does not have reads "нет данных".
struct RopeResult {
    bool overflow = false; // the mass is beyond the range of a double: nothing to show
    QString mass;
    QString area;
    std::array<QString, 4> forces;
};

QString noDataText();

// Mass of `length` metres of the row's rope (length × mass per metre, general form)
// with " кг." or, in the English interface, " kg.".
RopeResult ropeResult(const RopeRow& row, long double length, bool english, QChar decimalPoint);
RopeResult ropeResult(const RopeRow& row, long double length, bool english);

} // namespace tolvex::ropes
