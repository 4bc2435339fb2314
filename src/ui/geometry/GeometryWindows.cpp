#include "ui/geometry/GeometryWindows.h"

#include "ui/geometry/BaseSidesDialog.h"
#include "ui/geometry/TForm6.h"
#include "ui/geometry/TfrmVolume.h"

#include <QString>

namespace tolvex
{

QWidget* createGeometryWindow(const QString& objectName)
{
    if (objectName == QStringLiteral("Form6"))
        return new TForm6;
    if (objectName == QStringLiteral("frmVolume"))
        return new TfrmVolume;
    return createBaseSidesDialog(objectName);
}

} // namespace tolvex
