#include "PreviewGlyph.h"

#include <QPushButton>
#include <QStyle>

namespace tolvex
{

void makePreviewGlyph(QWidget* panel, const QString& previewName)
{
    auto* preview = panel->findChild<QPushButton*>(previewName);
    if (!preview)
        return;
    if (preview->toolTip().isEmpty())
        preview->setToolTip(preview->text());
    preview->setText(QString());
    preview->setIcon(preview->style()->standardIcon(QStyle::SP_FileDialogContentsView));
    preview->setFixedWidth(28);
}

} // namespace tolvex
