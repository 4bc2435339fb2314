#include "ui/common/SettingsNotice.h"

#include "core/app/Configuration.h"
#include "ui/common/MessageBoxes.h"

namespace tolvex
{

void noticeUnsavedSettings(QWidget* owner)
{
    const QString text = Configuration::program().takeFailureNotice();
    if (!text.isEmpty())
        showInformation(owner, text, QMessageBox::Warning);
}

} // namespace tolvex
