#include "TablePanelsII.h"

namespace tolvex {

QList<CalculatorPanel*> createTablePanelsII(CalculatorHost&, QWidget*)
{
    return {};
}

} // namespace tolvex
