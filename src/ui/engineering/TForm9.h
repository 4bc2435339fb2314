#pragma once

#include "ui/common/ToolWindow.h"

#include <QWidget>

namespace tolvex
{

// "Сортамент канатов": how ropes are classified, which construction suits which duty,
// and 26 cross-sections that tell their standard and uses when clicked.
class TForm9 : public ToolWindow
{
    Q_OBJECT
public:
    explicit TForm9(QWidget* parent = nullptr);

private:
    void build();
};

} // namespace tolvex
