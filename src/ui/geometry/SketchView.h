#pragma once

#include <QWidget>

class QSvgRenderer;

namespace tolvex
{

// A sketch: an SVG drawing from the resources, scaled to the widget with its
// proportions kept and centred. It prefers `size` and may shrink to three quarters
// of it where its page is narrow. The drawing is read when it is first needed.
class SketchView : public QWidget
{
    Q_OBJECT
public:
    SketchView(const QString& objectName, const QString& resourcePath, QSize size,
               QWidget* parent = nullptr);
    QString resourcePath() const { return m_path; }
    bool isValid() const; // the drawing was found and parsed
    QSize sizeHint() const override { return m_size; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_path;
    QSize m_size;
    QSvgRenderer* renderer() const;
    mutable QSvgRenderer* m_renderer = nullptr;
};

} // namespace tolvex
