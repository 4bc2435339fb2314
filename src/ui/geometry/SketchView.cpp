#include "ui/geometry/SketchView.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tolvex
{

SketchView::SketchView(const QString& objectName, const QString& resourcePath, QSize size,
                       QWidget* parent)
    : QWidget(parent), m_path(resourcePath), m_size(size),
      m_renderer(new QSvgRenderer(resourcePath, this))
{
    setObjectName(objectName);
    setMinimumSize(size * 3 / 4);
    setMaximumSize(size);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

bool SketchView::isValid() const
{
    return m_renderer->isValid();
}

void SketchView::paintEvent(QPaintEvent*)
{
    if (!m_renderer->isValid())
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
