#include "ResultLanguage.h"

#include "app/TfrmGeneral.h"
#include "app/startup.h"

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
