// The menu tree of the main window as data: captions, control names, help
// contexts, and which rows are menus, separators, hidden or disabled.
#pragma once

#include <span>

namespace vrn {

struct MenuRow {
    int level;            // 0 = item of the menu bar
    const char* caption;  // "&" marks the access key; nullptr for a separator
    const char* name;     // control name; "name(i)" items of a control array carry their index
    int helpContext;      // 0 = none
    unsigned flags;
};

enum MenuFlags : unsigned {
    kMenu = 1,       // opens a menu or submenu
    kHidden = 2,     // invisible
    kDisabled = 4,   // disabled at start
    kCheckable = 8,
};

std::span<const MenuRow> mainMenuRows();
std::span<const MenuRow> popupMenuRows();  // mnuEdit1 and mnuEdit2

}  // namespace vrn
