#pragma once

class QString;
class QWidget;

namespace tolvex
{

// Creates the geometry window with this objectName ("Form6", "frmVolume",
// "frmSquareCalc", "frmPerimetrCalc"); nullptr for any other name.
QWidget* createGeometryWindow(const QString& objectName);

} // namespace tolvex
