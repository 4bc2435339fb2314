#include "ui/geometry/TfrmSquareCalc.h"

namespace tolvex
{

TfrmSquareCalc::TfrmSquareCalc(QWidget* parent)
    : BaseSidesDialog(QStringLiteral("frmSquareCalc"), QStringLiteral("Площадь основания"), parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

} // namespace tolvex
