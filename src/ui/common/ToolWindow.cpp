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

void ToolWindow::buildWhenShown(std::function<void()> build)
{
    m_build = std::move(build);
}

void ToolWindow::ensureBuilt() const
{
    if (!m_build)
        return;
    const std::function<void()> build = std::move(m_build);
    m_build = nullptr;
    build();
    const std::vector<std::function<void()>> steps = std::move(m_afterBuild);
    m_afterBuild.clear();
    for (const std::function<void()>& step : steps)
        step();
}

void ToolWindow::whenBuilt(std::function<void()> step)
{
    if (isBuilt())
        step();
    else
        m_afterBuild.push_back(std::move(step));
}

void ToolWindow::setVisible(bool visible)
{
    // Built before it shows, so the controls show with it as if made at the start.
    if (visible)
        ensureBuilt();
    QWidget::setVisible(visible);
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
