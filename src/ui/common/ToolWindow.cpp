#include "ui/common/ToolWindow.h"

#include <QScreen>

namespace tolvex
{

ToolWindow::ToolWindow(const QString& objectName, const QString& caption, QWidget* parent,
                       bool minimiseButton)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          (minimiseButton ? Qt::WindowMinimizeButtonHint : Qt::Widget))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setAttribute(Qt::WA_QuitOnClose, false);
}

void ToolWindow::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

} // namespace tolvex
