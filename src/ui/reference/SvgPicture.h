#pragma once

#include "ui/common/Drawings.h"

#include <QWidget>

class QPainter;
class QSvgRenderer;

namespace tolvex
{

// A picture control showing one of the program's drawings, scaled with its
// proportions kept and centred. Its size hint is the drawing's own size, so a window
// that sizes itself to its content takes the drawing's size.
class SvgPicture : public QWidget
{
    Q_OBJECT
public:
    explicit SvgPicture(const QString& objectName, QWidget* parent = nullptr);

    // Replaces the picture (Drawing::None: no picture).
    void setDrawing(Drawing drawing);
    Drawing drawing() const { return m_drawing; }
    bool hasPicture() const;
    // Draws the picture into `target` with its proportions kept (the printed sheet).
    void paintPicture(QPainter& painter, const QRectF& target) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QSvgRenderer* renderer() const; // the drawing, read when it is first needed
    Drawing m_drawing = Drawing::None;
    mutable QSvgRenderer* m_renderer = nullptr;
};

} // namespace tolvex
