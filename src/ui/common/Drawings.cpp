#include "ui/common/Drawings.h"

#include <QFile>

namespace tolvex
{

QString drawingPath(Drawing drawing)
{
    const char* name = nullptr;
    switch (drawing) {
    case Drawing::None:
        return {};
    case Drawing::Channel:
        name = "channel";
        break;
    case Drawing::Rail:
        name = "rail";
        break;
    case Drawing::EqualAngle:
        name = "angle_equal";
        break;
    case Drawing::UnequalAngle:
        name = "angle_unequal";
        break;
    case Drawing::IBeam:
        name = "ibeam";
        break;
    case Drawing::CheckerPlate:
        name = "checker_plate";
        break;
    case Drawing::Rebar:
        name = "rebar";
        break;
    case Drawing::SquareTube:
        name = "tube_square";
        break;
    case Drawing::RectangularTube:
        name = "tube_rectangular";
        break;
    }
    const QString path = QStringLiteral(":/drawings/%1.svg").arg(QLatin1String(name));
    return QFile::exists(path) ? path : QString();
}

} // namespace tolvex
