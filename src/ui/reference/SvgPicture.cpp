#include "ui/reference/SvgPicture.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tolvex
{

SvgPicture::SvgPicture(const QString& objectName, QWidget* parent)
    : QWidget(parent), m_renderer(new QSvgRenderer(this))
{
    setObjectName(objectName);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void SvgPicture::setDrawing(Drawing drawing)
{
    m_drawing = drawing;
    const QString path = drawingPath(drawing);
    if (path.isEmpty()) {
        delete m_renderer; // an empty renderer: no picture
        m_renderer = new QSvgRenderer(this);
    } else {
        m_renderer->load(path);
    }
    updateGeometry();
    update();
}

bool SvgPicture::hasPicture() const
{
    return m_renderer->isValid();
}

QSize SvgPicture::sizeHint() const
{
    return hasPicture() ? m_renderer->defaultSize() : QSize(0, 0);
}

void SvgPicture::paintPicture(QPainter& painter, const QRectF& target) const
{
    if (!hasPicture())
        return;
    QSizeF drawing = m_renderer->viewBoxF().size();
    if (drawing.isEmpty())
        drawing = m_renderer->defaultSize();
    const QSizeF scaled = drawing.scaled(target.size(), Qt::KeepAspectRatio);
    const QRectF area(target.center() - QPointF(scaled.width() / 2, scaled.height() / 2), scaled);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    m_renderer->render(&painter, area);
    painter.restore();
}

void SvgPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    paintPicture(painter, QRectF(rect()));
}

} // namespace tolvex
