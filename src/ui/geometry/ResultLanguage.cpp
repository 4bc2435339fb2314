#include "ui/geometry/ResultLanguage.h"

#include "ui/app/TfrmGeneral.h"
#include "ui/app/startup.h"

#include <QAction>

namespace tolvex
{

geometry::LineLanguage resultLineLanguage()
{
    auto* main = qobject_cast<TfrmGeneral*>(findWindow(QStringLiteral("frmGeneral")));
    if (main && main->englishItem() && main->russianItem() && main->englishItem()->isChecked() &&
        !main->russianItem()->isChecked())
        return geometry::LineLanguage::English;
    return geometry::LineLanguage::Russian;
}

} // namespace tolvex
