#include "core/engineering/RopeCalculation.h"

#include "core/common/NumberText.h"

namespace tolvex::ropes
{

QString noDataText()
{
    return QStringLiteral("нет данных");
}

RopeResult ropeResult(const RopeRow& row, long double length, bool english, QChar decimalPoint)
{
    RopeResult result;
    if (row.massPerMetre) {
        const long double mass = length * static_cast<long double>(*row.massPerMetre);
        if (!fitsDouble(mass)) {
            result.overflow = true;
            return result;
        }
        result.mass = formatGeneral(mass, decimalPoint) +
                      (english ? QStringLiteral(" kg.") : QStringLiteral(" кг."));
    } else {
        result.mass = noDataText();
    }
    result.area = row.wiresArea ? formatGeneral(*row.wiresArea, decimalPoint) : noDataText();
    for (std::size_t i = 0; i < result.forces.size(); ++i) {
        const auto& force = row.breakingForce[i];
        result.forces[i] = force ? QString::number(*force) : noDataText();
    }
    return result;
}

RopeResult ropeResult(const RopeRow& row, long double length, bool english)
{
    return ropeResult(row, length, english, systemDecimalPoint());
}

} // namespace tolvex::ropes
