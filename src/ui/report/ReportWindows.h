#pragma once

class QWidget;

namespace tolvex
{

struct WindowContext;

// The result sheet's report object `TForm29` (`Form29`), created at start, never shown.
QWidget* createForm29(const WindowContext& context);

} // namespace tolvex
