#pragma once

#include <functional>

class QWidget;

namespace tolvex
{

// Runs `action` once, as soon as `window` has been painted for the first time (after
// that paint has been handled), or after `timeoutMs` when it never is (a window that
// stays hidden).
void afterFirstPaint(QWidget* window, std::function<void()> action, int timeoutMs = 5000);

} // namespace tolvex
