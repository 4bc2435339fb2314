#pragma once

#include "ui/common/PagedWindow.h"
#include "ui/common/ToolWindow.h"

#include <QList>
#include <QWidget>

class QTabWidget;

namespace tolvex
{

class WindowMaterialBox;

// What the flat-blank and solids windows share: a fixed-size top-level window
// with minimise and close buttons, centred on the screen when first shown, that
// runs its Clear whenever it is closed (closing only hides it), its own material
// box with the window density, and its pages: outer tabs (RzPageControl1), some
// holding inner tabs.
class GeometryWindow : public ToolWindow, public PagedWindow
{
    Q_OBJECT
public:
    GeometryWindow(const QString& objectName, const QString& caption, QSize clientSize,
                   QWidget* parent = nullptr);

    virtual void Clear() = 0;
    double density() const;
    WindowMaterialBox* materialBox() const;

    // Selects the outer and inner tab (-1 leaves one unchanged).
    void selectPage(int outerPage, int innerPage) override;
    // Selects the page and shows the window.
    void showPage(int outerPage, int innerPage);
    QTabWidget* outerTabs() const;
    QTabWidget* innerTabs(int outerPage) const; // nullptr without inner tabs

protected:
    // Adds a page to the outer page control; when `innerControl` is named, the page
    // holds an inner page control of that name. Pages without inner tabs are put in
    // with `placeOuterPage`.
    void addOuterPage(const QString& sheetName, const QString& innerControl,
                      const QString& caption);
    // Puts a figure page at its place: into the inner tabs of outer page `outerPage`,
    // or, where that page has none, as the outer page itself.
    void placePage(int outerPage, QWidget* page, const QString& caption);
    void closeEvent(QCloseEvent* event) override;
    // Shows the window (centred the first time), raised and active.
    void present();

private:
    WindowMaterialBox* m_materials = nullptr;
    QTabWidget* m_outer = nullptr;
    QList<QTabWidget*> m_inner; // per outer page, nullptr without inner tabs
};

} // namespace tolvex
