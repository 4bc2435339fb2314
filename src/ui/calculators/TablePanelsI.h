#pragma once

#include <QList>

class QWidget;

namespace tolvex
{

class CalculatorHost;
class CalculatorPanel;

// The calculator panels built from standard tables (I); the main window puts each
// into its place by objectName.
QList<CalculatorPanel*> createTablePanelsI(CalculatorHost& host, QWidget* parent);

} // namespace tolvex
