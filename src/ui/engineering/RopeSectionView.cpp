#include "ui/engineering/RopeSectionView.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace tolvex
{

namespace
{

QPointF polar(const QPointF& centre, double radius, double angle)
{
    return centre + QPointF(radius * std::cos(angle), -radius * std::sin(angle));
}

// A Z-shaped wire: the radial sides step half way out, so neighbours interlock.
QPainterPath zedPath(const QPointF& c, double inner, double outer, double start, double span)
{
    const double mid = (inner + outer) / 2;
    const double step = span * 0.3;
    const auto deg = [](double a) { return a * 180 / std::numbers::pi; };
    QPainterPath path;
    path.moveTo(polar(c, inner, start));
    path.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner), deg(start), deg(span));
    path.lineTo(polar(c, mid, start + span));
    path.lineTo(polar(c, mid, start + span + step));
    path.lineTo(polar(c, outer, start + span + step));
    path.arcTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), deg(start + span + step),
               -deg(span));
    path.lineTo(polar(c, mid, start + step));
    path.lineTo(polar(c, mid, start));
    path.closeSubpath();
    return path;
}

QPainterPath wedgePath(const QPointF& c, double inner, double outer, double start, double span)
{
    const auto deg = [](double a) { return a * 180 / std::numbers::pi; };
    QPainterPath path;
    path.moveTo(polar(c, inner, start));
    path.arcTo(QRectF(c.x() - inner, c.y() - inner, 2 * inner, 2 * inner), deg(start), deg(span));
    path.lineTo(polar(c, outer, start + span));
    path.arcTo(QRectF(c.x() - outer, c.y() - outer, 2 * outer, 2 * outer), deg(start + span),
               -deg(span));
    path.closeSubpath();
    return path;
}

} // namespace

void paintRopeSection(QPainter& painter, const QRectF& bounds,
                      const ropes::SectionGeometry& section)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const double radius = std::min(bounds.width(), bounds.height()) / 2 - 1;
    const QPointF c = bounds.center();
    const QColor steel(0xb8, 0xbe, 0xc6), edge(0x39, 0x40, 0x4a), hemp(0xc9, 0xa2, 0x64);
    painter.setPen(QPen(edge, radius > 60 ? 0.8 : 0.5));
    for (const ropes::ShapedWire& w : section.shaped) {
        painter.setBrush(steel);
        painter.drawPath(w.zed ? zedPath(c, w.inner * radius, w.outer * radius, w.start, w.span)
                               : wedgePath(c, w.inner * radius, w.outer * radius, w.start, w.span));
    }
    for (const ropes::SectionDisc& d : section.discs) {
        const QPointF centre = c + QPointF(d.x, -d.y) * radius;
        const double r = d.r * radius;
        if (d.organic) {
            painter.setBrush(hemp);
        } else {
            QRadialGradient shine(centre - QPointF(r, r) * 0.35, r * 1.3);
            shine.setColorAt(0, Qt::white);
            shine.setColorAt(1, steel.darker(115));
            painter.setBrush(shine);
        }
        painter.drawEllipse(centre, r, r);
    }
    painter.restore();
}

RopeSectionView::RopeSectionView(const QString& formula, QSize size, QWidget* parent)
    : QWidget(parent), m_formula(formula)
{
    if (const auto parsed = ropes::parseSectionFormula(formula))
        m_section = ropes::sectionGeometry(*parsed);
    setFixedSize(size);
}

void RopeSectionView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintRopeSection(painter, QRectF(rect()).adjusted(2, 2, -2, -2), m_section);
}

void RopeSectionView::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QWidget::mouseReleaseEvent(event);
}

} // namespace tolvex
