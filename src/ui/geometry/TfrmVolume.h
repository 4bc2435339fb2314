#pragma once

#include "ui/geometry/GeometryWindow.h"

#include <QList>

class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;

namespace tolvex
{

class BaseSidesDialog;
class SolidPageWidget;

// The solids window "Объёмные фигуры": six outer tabs (RzPageControl1), inner
// tabs for pyramid, cylinder, cone and sphere (RzPageControl2–5), twelve solids,
// four shared value lines, its own material box and window density.
class TfrmVolume : public GeometryWindow
{
    Q_OBJECT
public:
    explicit TfrmVolume(QWidget* parent = nullptr);

    // Every field "0", the four value lines "0".
    void Clear() override;
    // Selects the outer and inner tab (-1 leaves one unchanged) and shows the window.
    Q_INVOKABLE void showPage(int outerPage, int innerPage);
    // "Вычислить": the routine of the solid whose tabs are active.
    void compute();
    // The prism's picture buttons: the base dialog, and on confirmation the base
    // area a × b and the perimeter (a + b) × 2 into the prism's fields.
    void openBaseDialog(const QString& dialogName);

    QTabWidget* outerTabs() const { return m_outer; }
    QTabWidget* innerTabs(int outerPage) const; // nullptr without inner tabs
    SolidPageWidget* activePage() const;
    const QList<SolidPageWidget*>& pages() const { return m_pages; }
    const QList<QLabel*>& valueLines() const { return m_values; }

private:
    QWidget* buildResults();
    BaseSidesDialog* baseDialog(const QString& name);

    QTabWidget* m_outer;
    QList<QTabWidget*> m_inner;
    QList<SolidPageWidget*> m_pages;
    QList<QLabel*> m_values;
    QList<BaseSidesDialog*> m_ownDialogs;
};

} // namespace tolvex
