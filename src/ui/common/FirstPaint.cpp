#include "ui/common/FirstPaint.h"

#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tolvex
{

namespace
{

class FirstPaintWatch : public QObject
{
public:
    FirstPaintWatch(QWidget* window, std::function<void()> action, int timeoutMs)
        : QObject(window), m_action(std::move(action))
    {
        window->installEventFilter(this);
        QTimer::singleShot(timeoutMs, this, &FirstPaintWatch::run);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && watched == parent())
            QTimer::singleShot(0, this, &FirstPaintWatch::run);
        return QObject::eventFilter(watched, event);
    }

private:
    void run()
    {
        if (m_done)
            return;
        m_done = true;
        parent()->removeEventFilter(this);
        m_action();
        deleteLater();
    }

    std::function<void()> m_action;
    bool m_done = false;
};

} // namespace

void afterFirstPaint(QWidget* window, std::function<void()> action, int timeoutMs)
{
    new FirstPaintWatch(window, std::move(action), timeoutMs);
}

} // namespace tolvex
