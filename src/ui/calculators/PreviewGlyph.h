#pragma once

#include <QString>

class QWidget;

namespace tolvex
{

// Turns a panel's preview button into the small glyph-only button (28 px wide, hint
// kept), which leaves room in the bottom row for a visible "Эскиз" beside
// "Печать результатов".
void makePreviewGlyph(QWidget* panel, const QString& previewName);

} // namespace tolvex
