#pragma once

#include "ui/common/WindowDirectory.h"
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
    // The prism's base dialogs are the program's (`windows`), or its own without one.
    explicit TfrmVolume(WindowDirectory* windows = nullptr, QWidget* parent = nullptr);

    // Every field "0", the four value lines "0".
    void Clear() override;
    // "Вычислить": the routine of the solid whose tabs are active.
    void compute();
    // The prism's picture buttons: the base dialog, and on confirmation the base
    // area a × b and the perimeter (a + b) × 2 into the prism's fields.
    void openBaseDialog(WindowId dialog);

    SolidPageWidget* activePage() const;
    const QList<SolidPageWidget*>& pages() const { return m_pages; }
    const QList<QLabel*>& valueLines() const { return m_values; }

private:
    void build();
    QWidget* buildResults();
    BaseSidesDialog* baseDialog(WindowId id);

    WindowDirectory* m_windows;
    QList<SolidPageWidget*> m_pages;
    QList<QLabel*> m_values;
    BaseSidesDialog* m_ownSquare = nullptr;
    BaseSidesDialog* m_ownPerimeter = nullptr;
};

} // namespace tolvex
