#include "TablePanelsI.h"

namespace tolvex {

QList<CalculatorPanel*> createTablePanelsI(CalculatorHost&, QWidget*)
{
    return {};
}

} // namespace tolvex
