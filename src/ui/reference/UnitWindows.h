#pragma once

class QWidget;

namespace tolvex
{

struct WindowContext;

// The factories of the reference unit windows and the plastics window.
QWidget* createForm26(const WindowContext& context);       // pressure units, modeless
QWidget* createForm27(const WindowContext& context);       // length units, modeless
QWidget* createFrmMassUnits(const WindowContext& context); // mass units, modeless
QWidget* createFrmAreaUnits(const WindowContext& context); // area units, modeless
QWidget* createForm31(const WindowContext& context);       // plastics, modal

} // namespace tolvex
