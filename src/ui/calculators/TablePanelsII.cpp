#include "ui/calculators/TablePanelsII.h"

#include "ui/calculators/HollowSectionPanel.h"
#include "ui/calculators/MetiziPanel.h"
#include "ui/calculators/SizeListPanel.h"

namespace tolvex
{

QList<CalculatorPanel*> createTablePanelsII(CalculatorHost& host, QWidget* parent)
{
    return {createHexagonPanel(host, parent),        createRebarPanel(host, parent),
            createCheckerPlatePanel(host, parent),   createProfiledSheetPanel(host, parent),
            new MetiziPanel(host, parent),           createSquareTubePanel(host, parent),
            createRectangularTubePanel(host, parent)};
}

} // namespace tolvex
