#include "TablePanelsII.h"

#include "HollowSectionPanel.h"
#include "MetiziPanel.h"
#include "SizeListPanel.h"

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
