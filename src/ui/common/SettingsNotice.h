#pragma once

class QWidget;

namespace tolvex
{

// After a save of the program's settings: the first time in a run that one could not
// be saved, the user is told so (once, not at every choice).
void noticeUnsavedSettings(QWidget* owner);

} // namespace tolvex
