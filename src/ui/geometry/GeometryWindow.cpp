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
    : ToolWindow(objectName, caption, parent), m_materials(new WindowMaterialBox(this)),
      m_outer(new QTabWidget(this))
{
    m_outer->setObjectName(QStringLiteral("RzPageControl1"));
    setFixedSize(clientSize);
}

double GeometryWindow::density() const
{
    return m_materials->density();
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
    m_outer->addTab(sheet, caption);
    m_inner << inner;
}

void GeometryWindow::placePage(int outerPage, QWidget* page, const QString& caption)
{
    if (QTabWidget* inner = m_inner.value(outerPage))
        inner->addTab(page, caption);
    else
        m_outer->insertTab(outerPage, page, caption);
}

QTabWidget* GeometryWindow::innerTabs(int outerPage) const
{
    return m_inner.value(outerPage);
}

void GeometryWindow::selectPage(int outerPage, int innerPage)
{
    ensureBuilt();
    if (outerPage >= 0 && outerPage < m_outer->count())
        m_outer->setCurrentIndex(outerPage);
    if (innerPage >= 0)
        if (QTabWidget* inner = m_inner.value(m_outer->currentIndex()))
            if (innerPage < inner->count())
                inner->setCurrentIndex(innerPage);
}

void GeometryWindow::showPage(int outerPage, int innerPage)
{
    selectPage(outerPage, innerPage);
    present();
}

} // namespace tolvex
