#pragma once

#include "ui/geometry/BaseSidesDialog.h"

namespace tolvex
{

// "Вычисление периметра основания": the base dialog with only the close button,
// which cancels.
class TfrmPerimetrCalc : public BaseSidesDialog
{
    Q_OBJECT
public:
    explicit TfrmPerimetrCalc(QWidget* parent = nullptr);
};

} // namespace tolvex
