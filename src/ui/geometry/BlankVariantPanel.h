#pragma once

#include "core/geometry/FlatBlankTable.h"

#include <QFrame>
#include <QList>

class QLabel;

namespace tolvex
{

class NumericEdit;
class SketchView;

// One calculation of the flat-blank window: its captioned fields (each caption the
// buddy of its field), the sketch marked with the fields' letters, and the two
// bold result lines, each one label holding its whole text.
class BlankVariantPanel : public QFrame
{
    Q_OBJECT
public:
    BlankVariantPanel(const geometry::BlankVariant& variant, QWidget* parent = nullptr);

    const geometry::BlankVariant& variant() const { return m_variant; }
    // The field texts in screen order; an empty field is refilled with "0".
    QStringList fieldTexts() const;
    void setLines(const geometry::BlankLines& lines);
    // Fields "0", result lines empty.
    void clear();

    const QList<NumericEdit*>& fields() const { return m_fields; }
    QLabel* areaLine() const { return m_area; }
    QLabel* weightLine() const { return m_weight; }
    SketchView* sketch() const { return m_sketch; }

private:
    const geometry::BlankVariant& m_variant;
    QList<NumericEdit*> m_fields;
    SketchView* m_sketch;
    QLabel* m_area;
    QLabel* m_weight;
};

} // namespace tolvex
