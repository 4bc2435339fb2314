#pragma once

#include <QWidget>

namespace tolvex
{

// "Сортамент канатов": how ropes are classified, which construction suits which duty,
// and 26 cross-sections that tell their standard and uses when clicked.
class TForm9 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool m_centred = false;
};

} // namespace tolvex
