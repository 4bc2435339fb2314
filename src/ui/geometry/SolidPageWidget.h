#pragma once

#include "core/geometry/SolidTable.h"

#include <QList>
#include <QWidget>

class QGridLayout;

namespace tolvex
{

class NumericEdit;
class SketchView;

// One solid of the solids window: its captioned fields (each caption the buddy of
// its field) and the sketch marked with the fields' letters.
class SolidPageWidget : public QWidget
{
    Q_OBJECT
public:
    SolidPageWidget(const geometry::SolidPage& page, QWidget* parent = nullptr);

    const geometry::SolidPage& page() const { return m_page; }
    // The field texts in screen order; an empty field is refilled with "0".
    QStringList fieldTexts() const;
    void clear();
    const QList<NumericEdit*>& fields() const { return m_fields; }
    SketchView* sketch() const { return m_sketch; }
    // A widget placed right of the field of row `row` (the prism's picture buttons).
    void addBeside(int row, QWidget* widget);

private:
    const geometry::SolidPage& m_page;
    QList<NumericEdit*> m_fields;
    QGridLayout* m_grid;
    SketchView* m_sketch;
};

} // namespace tolvex
