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
    : ToolWindow(objectName, caption, parent)
{
    setFixedSize(clientSize);
}

// The material box and the page control are made with the window's other controls:
// when something first asks for them (the window's build step, or a caller).
WindowMaterialBox* GeometryWindow::materialBox() const
{
    ensureBuilt();
    auto* self = const_cast<GeometryWindow*>(this);
    if (!m_materials)
        self->m_materials = new WindowMaterialBox(self);
    return m_materials;
}

QTabWidget* GeometryWindow::outerTabs() const
{
    ensureBuilt();
    auto* self = const_cast<GeometryWindow*>(this);
    if (!m_outer) {
        self->m_outer = new QTabWidget(self);
        m_outer->setObjectName(QStringLiteral("RzPageControl1"));
    }
    return m_outer;
}

double GeometryWindow::density() const
{
    return materialBox()->density();
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

void GeometryWindow::addOuterPage(const QString& sheetName, const QString& innerControl,
                                  const QString& caption)
{
    if (innerControl.isEmpty()) {
        m_inner << nullptr;
        return;
    }
    auto* sheet = new QWidget;
    sheet->setObjectName(sheetName);
    auto* inner = new QTabWidget(sheet);
    inner->setObjectName(innerControl);
    auto* l = new QVBoxLayout(sheet);
    l->setContentsMargins(2, 2, 2, 2);
    l->addWidget(inner);
    outerTabs()->addTab(sheet, caption);
    m_inner << inner;
}

void GeometryWindow::placePage(int outerPage, QWidget* page, const QString& caption)
{
    if (QTabWidget* inner = m_inner.value(outerPage))
        inner->addTab(page, caption);
    else
        outerTabs()->insertTab(outerPage, page, caption);
}

QTabWidget* GeometryWindow::innerTabs(int outerPage) const
{
    return m_inner.value(outerPage);
}

void GeometryWindow::selectPage(int outerPage, int innerPage)
{
    ensureBuilt();
    if (outerPage >= 0 && outerPage < outerTabs()->count())
        outerTabs()->setCurrentIndex(outerPage);
    if (innerPage >= 0)
        if (QTabWidget* inner = m_inner.value(outerTabs()->currentIndex()))
            if (innerPage < inner->count())
                inner->setCurrentIndex(innerPage);
}

void GeometryWindow::showPage(int outerPage, int innerPage)
{
    selectPage(outerPage, innerPage);
    present();
}

} // namespace tolvex
