#pragma once

class QWidget;

namespace tolvex
{

struct WindowContext;

// The geometry windows, one factory each: flat blanks (Form6), solids (frmVolume)
// and the prism's base dialogs (frmSquareCalc, frmPerimetrCalc).
QWidget* createForm6(const WindowContext& context);
QWidget* createFrmVolume(const WindowContext& context);
QWidget* createFrmSquareCalc(const WindowContext& context);
QWidget* createFrmPerimetrCalc(const WindowContext& context);

} // namespace tolvex
