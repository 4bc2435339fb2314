#pragma once

#include "ui/common/WindowDirectory.h"

#include <QHash>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

namespace tolvex
{

// What a menu item does: show a window (with its modality and page) or run one of
// the main window's commands.
enum class MenuCommand {
    None,
    ShowWindow,
    ChooseRussian,
    ChooseEnglish,
    Exit,
    ModernisationNotice,
    ElectricalModule,
    NonferrousModule,
    MotorsProgram,
    ModulesNote,
    DownloadPage,
    History,
    Suggestion,
    HomePage,
};

// One row of the menu table: a menu, an item or a separator of the main menu, the
// tray menu or both. Rows stand in the main menu's order; `depth` is the row's depth
// there (0: a menu of the menu bar).
struct MenuRow {
    int depth;
    const char* name;    // objectName; the tray's is "tray" + name. nullptr: a separator
    const char* caption; // for a menu: its title
    MenuCommand command = MenuCommand::None;
    WindowId window = WindowId::frmGeneral;
    Modality modality = Modality::Modeless;
    Page page = {};
    unsigned places = 3;               // 1: main menu, 2: tray menu, 3: both
    const char* trayCaption = nullptr; // the tray's wording where it differs
    bool enabled = true;               // in the main menu; the tray's items are enabled
    bool visible = true;               // in the main menu
    bool checkable = false, checked = false;
};

// The rows of the program's two menus.
const std::vector<MenuRow>& menuRows();

using MenuHandler = std::function<void(const MenuRow&)>;

// Builds the main menu into `bar`; returns its items by objectName.
QHash<QString, QAction*> buildMainMenu(QMenuBar* bar, const MenuHandler& handler);
// Builds the tray menu into `tray`: its top items are the main menu's rows named in
// the tray's own order, each with the rows under it that the tray shows.
void buildTrayMenu(QMenu* tray, const MenuHandler& handler);

} // namespace tolvex
