#include "ui/reference/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tolvex
{

SvgPicture::SvgPicture(const QString& objectName, QWidget* parent) : QWidget(parent)
{
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SvgPicture::setDrawing(Drawing drawing)
{
    m_drawing = drawing;
    delete m_renderer;
    m_renderer = nullptr;
    updateGeometry();
    update();
}

QSvgRenderer* SvgPicture::renderer() const
{
    if (!m_renderer) {
        // Drawing::None has no path: an empty renderer, no picture.
        const QString path = drawingPath(m_drawing);
        m_renderer = path.isEmpty() ? new QSvgRenderer(const_cast<SvgPicture*>(this))
                                    : new QSvgRenderer(path, const_cast<SvgPicture*>(this));
    }
    return m_renderer;
}

bool SvgPicture::hasPicture() const
{
    return renderer()->isValid();
}

QSize SvgPicture::sizeHint() const
{
    return hasPicture() ? renderer()->defaultSize() : QSize(0, 0);
}

void SvgPicture::paintPicture(QPainter& painter, const QRectF& target) const
{
    if (!hasPicture())
        return;
    QSizeF drawing = renderer()->viewBoxF().size();
    if (drawing.isEmpty())
        drawing = renderer()->defaultSize();
    const QSizeF scaled = drawing.scaled(target.size(), Qt::KeepAspectRatio);
    const QRectF area(target.center() - QPointF(scaled.width() / 2, scaled.height() / 2), scaled);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    renderer()->render(&painter, area);
    painter.restore();
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintPicture(painter, QRectF(rect()));
}

} // namespace tolvex
