#pragma once

class QWidget;

namespace tolvex
{

// Every window of the program, in the order it is created; the main window first.
// The enumerators are the windows' objectNames.
enum class WindowId {
    frmGeneral,
    AboutBox,
    Form3,
    Form5,
    Form6,
    frmVolume,
    Form8,
    Form9,
    frmHistory,
    Form11,
    Form12,
    Form13,
    Form14,
    Form15,
    Form16,
    Form17,
    Form18,
    Form19,
    Form20,
    Form21,
    Form22,
    Form23,
    SI,
    Prof_trub,
    Form25,
    Form26,
    Form27,
    Form28,
    Form29,
    Form30,
    Form31,
    Form32,
    frmSquareCalc,
    frmPerimetrCalc,
    frmSubscrible,
    frmMassUnits, // mass converter, a sibling of the length window
    frmAreaUnits, // area converter, a sibling of the length window
};

constexpr int WindowCount = int(WindowId::frmAreaUnits) + 1;

enum class Modality { Modeless, Modal };

// A page of a window with pages (outer and inner tab); -1 leaves that level as it is.
struct Page {
    int outer = -1;
    int inner = -1;
};

// The windows of the running program, handed to every window and panel that shows
// another window: menus, tray menu, "Эскиз" buttons, the result sheet.
class WindowDirectory
{
public:
    virtual ~WindowDirectory() = default;
    // The window created at start for `id` (never nullptr while the program runs).
    virtual QWidget* window(WindowId id) const = 0;
    // Preselects `page` (windows with pages), then shows the window: a modal window
    // returns when it is closed; a modeless one is raised and activated.
    virtual void showWindow(WindowId id, Modality modality, Page page = {}) = 0;
};

} // namespace tolvex
