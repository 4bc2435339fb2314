#include "ui/engineering/HookPicture.h"

#include <QPainter>
#include <QPainterPath>

namespace tolvex
{

namespace
{

void arrow(QPainter& p, QPointF from, QPointF to)
{
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF side(-dir.y(), dir.x());
    QPolygonF head;
    head << to << to - dir * 7 + side * 3 << to - dir * 7 - side * 3;
    p.setBrush(p.pen().color());
    p.drawPolygon(head);
}

} // namespace

HookPicture::HookPicture(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(120, 170);
}

void HookPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), Qt::white);
    // Drawn on a 150 × 210 sheet, scaled to the widget.
    const double s = std::min(width() / 150.0, height() / 210.0);
    p.translate((width() - 150 * s) / 2, (height() - 210 * s) / 2);
    p.scale(s, s);

    const QColor ink(0x20, 0x20, 0x20), metal(0xd6, 0xda, 0xe0), dim(0x1a, 0x4f, 0x9c);
    p.setPen(QPen(ink, 1.2));

    // Cross-member resting on two supports, with the nut on top.
    p.setBrush(metal);
    p.drawRect(QRectF(15, 58, 120, 16));
    p.drawRect(QRectF(62, 44, 26, 14)); // nut
    // Shank through the cross-member with its thread.
    p.drawRect(QRectF(68, 30, 14, 58));
    p.setPen(QPen(ink, 0.7));
    for (double y = 32; y < 56; y += 3)
        p.drawLine(QPointF(68, y), QPointF(82, y + 2));
    p.setPen(QPen(ink, 1.2));

    // The hook body.
    QPainterPath hook;
    hook.moveTo(68, 88);
    hook.lineTo(66, 112);
    hook.cubicTo(40, 122, 36, 170, 70, 176);
    hook.cubicTo(100, 181, 116, 156, 108, 132);
    hook.lineTo(96, 134);
    hook.cubicTo(102, 152, 92, 164, 74, 162);
    hook.cubicTo(54, 160, 56, 128, 84, 118);
    hook.lineTo(82, 88);
    hook.closeSubpath();
    p.setBrush(metal);
    p.drawPath(hook);

    // Q at the hook, Q/2 at the supports.
    QFont f = font();
    f.setPointSizeF(9);
    f.setBold(true);
    p.setFont(f);
    QPen force(QColor(0xb0, 0x20, 0x20), 1.6);
    p.setPen(force);
    arrow(p, QPointF(76, 150), QPointF(76, 200));
    p.drawText(QPointF(82, 200), QStringLiteral("Q"));
    arrow(p, QPointF(22, 112), QPointF(22, 76));
    arrow(p, QPointF(128, 112), QPointF(128, 76));
    p.drawText(QPointF(6, 126), QStringLiteral("Q/2"));
    p.drawText(QPointF(112, 126), QStringLiteral("Q/2"));

    // d on the shank.
    p.setPen(QPen(dim, 0.9));
    p.drawLine(QPointF(68, 30), QPointF(68, 14));
    p.drawLine(QPointF(82, 30), QPointF(82, 14));
    arrow(p, QPointF(50, 18), QPointF(68, 18));
    arrow(p, QPointF(100, 18), QPointF(82, 18));
    p.setFont(f);
    p.drawText(QPointF(102, 14), QStringLiteral("d"));
}

} // namespace tolvex
