#pragma once

#include "ui/geometry/GeometryWindow.h"

#include <QList>

class QLabel;
class QPushButton;
class QTabWidget;

namespace tolvex
{

class BlankFigureTab;
class BlankVariantPanel;

// The flat-blank window "Подсчёт площади и массы раскроя": ten figure tabs in
// outer tabs (RzPageControl1) and inner tabs (RzPageControl2–4), twenty
// calculations, its own material box and window density.
class TForm6 : public GeometryWindow
{
    Q_OBJECT
public:
    explicit TForm6(QWidget* parent = nullptr);

    // Every field of every tab "0", every result line empty.
    void Clear() override;
    // Selects the outer and inner tab (-1 leaves one unchanged) and shows the window.
    Q_INVOKABLE void showPage(int outerPage, int innerPage);

    QTabWidget* outerTabs() const { return m_outer; }
    QTabWidget* innerTabs(int outerPage) const; // nullptr for "Трапеция"
    const QList<BlankFigureTab*>& figureTabs() const { return m_tabs; }

private:
    void compute(BlankVariantPanel* panel);

    QTabWidget* m_outer;
    QList<QTabWidget*> m_inner; // per outer page, nullptr without inner tabs
    QList<BlankFigureTab*> m_tabs;
    QPushButton* m_exit;
};

} // namespace tolvex
