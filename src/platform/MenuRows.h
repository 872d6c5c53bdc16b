// A menu tree as data: one row per item, in display order.
#pragma once

namespace vrn {

struct MenuRow {
    int level;            // 0 = item of the menu bar
    const char* caption;  // "&" marks the access key; nullptr for a separator
    const char* name;     // control name; items of control arrays carry their index: "name(i)"
    int helpContext;      // 0 = none
    unsigned flags;
};

enum MenuFlags : unsigned {
    kMenu = 1,       // opens a menu or submenu
    kHidden = 2,     // invisible
    kDisabled = 4,   // disabled at start
};

}  // namespace vrn
