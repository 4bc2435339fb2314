#pragma once

#include "ui/geometry/BaseSidesDialog.h"

namespace tolvex
{

// "Площадь основания": the base dialog without title-bar buttons.
class TfrmSquareCalc : public BaseSidesDialog
{
    Q_OBJECT
public:
    explicit TfrmSquareCalc(QWidget* parent = nullptr);
};

} // namespace tolvex
