#pragma once

#include <QWidget>

namespace tolvex
{

// The crane hook hanging in its cross-member: the load Q at the hook, the two
// reactions Q/2 of the cross-member's supports and the thread diameter d of the shank.
class HookPicture : public QWidget
{
    Q_OBJECT
public:
    explicit HookPicture(QWidget* parent = nullptr);
    QSize sizeHint() const override { return {130, 190}; }

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace tolvex
