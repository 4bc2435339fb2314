#include "GeometryWindows.h"

#include <QString>

namespace tolvex {

QWidget* createGeometryWindow(const QString&)
{
    return nullptr;
}

} // namespace tolvex
