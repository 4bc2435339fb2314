#pragma once

#include <QIcon>
#include <QStyle>

namespace tolvex
{

// A standard icon of the application's style, read once and shared by every button
// that shows it (each call to QStyle::standardIcon reads the pictures again).
QIcon standardIcon(QStyle::StandardPixmap icon);

} // namespace tolvex
