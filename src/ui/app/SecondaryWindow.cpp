#include "ui/app/SecondaryWindow.h"

namespace tolvex
{

SecondaryWindow::SecondaryWindow(const QString& className, const QString& objectName,
                                 const QString& caption, QWidget* parent)
    : QDialog(parent)
{
    setObjectName(objectName);
    setProperty("windowClass", className);
    setWindowTitle(caption);
    resize(400, 300);
}

} // namespace tolvex
