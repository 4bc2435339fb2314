#pragma once

#include "ui/common/WindowContext.h"

class QWidget;

// The steels and alloys catalogue and its picture window.
namespace tolvex
{

QWidget* createForm11(const WindowContext& context); // TForm11: the grade tree
QWidget* createForm12(const WindowContext& context); // TForm12: a grade's picture page

} // namespace tolvex
