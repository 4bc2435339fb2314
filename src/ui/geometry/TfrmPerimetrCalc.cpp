#include "ui/geometry/TfrmPerimetrCalc.h"

namespace tolvex
{

TfrmPerimetrCalc::TfrmPerimetrCalc(QWidget* parent)
    : BaseSidesDialog(QStringLiteral("frmPerimetrCalc"),
                      QStringLiteral("Вычисление периметра основания"), parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
}

} // namespace tolvex
