#include "ui/geometry/GeometryWindow.h"

#include "ui/geometry/WindowMaterialBox.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tolvex
{

GeometryWindow::GeometryWindow(const QString& objectName, const QString& caption, QSize clientSize,
                               QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_materials(new WindowMaterialBox(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setFont(QFont(QStringLiteral("Arial"), 8));
    setFixedSize(clientSize);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
}

double GeometryWindow::density() const
{
    return m_materials->density();
}

void GeometryWindow::showEvent(QShowEvent* event)
{
    if (!m_centred) {
        m_centred = true;
        if (QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

void GeometryWindow::closeEvent(QCloseEvent* event)
{
    Clear();
    event->accept();
}

void GeometryWindow::present()
{
    show();
    raise();
    activateWindow();
}

QTabWidget* GeometryWindow::addOuterPage(QTabWidget* outer, const QString& sheetName,
                                         const QString& innerControl, const QString& caption)
{
    if (innerControl.isEmpty())
        return nullptr;
    auto* sheet = new QWidget;
    sheet->setObjectName(sheetName);
    auto* inner = new QTabWidget(sheet);
    inner->setObjectName(innerControl);
    auto* l = new QVBoxLayout(sheet);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(inner);
    outer->addTab(sheet, caption);
    return inner;
}

} // namespace tolvex
