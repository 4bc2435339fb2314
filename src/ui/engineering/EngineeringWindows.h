#pragma once

#include "ui/common/WindowContext.h"

class QWidget;

// The windows of the engineering calculations, one factory each. Each is created
// hidden; the window directory shows it.
namespace tolvex
{

QWidget* createForm5(const WindowContext& context); // crane hook shank thread
QWidget* createForm8(const WindowContext& context); // steel wire ropes
QWidget* createForm9(const WindowContext& context); // rope assortment

} // namespace tolvex
