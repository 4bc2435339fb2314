#include "ui/geometry/SketchView.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tolvex
{

SketchView::SketchView(const QString& objectName, const QString& resourcePath, QSize size,
                       QWidget* parent)
    : QWidget(parent), m_path(resourcePath), m_size(size)
{
    setObjectName(objectName);
    setMinimumSize(size * 3 / 4);
    setMaximumSize(size);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

QSvgRenderer* SketchView::renderer() const
{
    if (!m_renderer)
        m_renderer = new QSvgRenderer(m_path, const_cast<SketchView*>(this));
    return m_renderer;
}

bool SketchView::isValid() const
{
    return renderer()->isValid();
}

void SketchView::paintEvent(QPaintEvent*)
{
    if (!isValid())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QSizeF drawing = m_renderer->viewBoxF().size();
    if (drawing.isEmpty())
        drawing = m_renderer->defaultSize();
    const QSizeF scaled = drawing.scaled(QSizeF(size()), Qt::KeepAspectRatio);
    const QRectF target(QPointF((width() - scaled.width()) / 2, (height() - scaled.height()) / 2),
                        scaled);
    m_renderer->render(&painter, target);
}

} // namespace tolvex
