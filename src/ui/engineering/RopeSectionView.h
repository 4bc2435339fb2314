#pragma once

#include "core/engineering/RopeSection.h"

#include <QWidget>

class QPainter;

namespace tolvex
{

// Paints a rope cross-section into `bounds` (a square is used, centred).
void paintRopeSection(QPainter& painter, const QRectF& bounds,
                      const ropes::SectionGeometry& section);

// A picture of a rope's cross-section drawn from its construction formula.
class RopeSectionView : public QWidget
{
    Q_OBJECT
public:
    RopeSectionView(const QString& formula, QSize size, QWidget* parent = nullptr);
    QString formula() const { return m_formula; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QString m_formula;
    ropes::SectionGeometry m_section;
};

} // namespace tolvex
