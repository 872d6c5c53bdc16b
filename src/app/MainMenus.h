// The menu tree of the main window as data: captions, control names, help
// contexts, and which rows are menus, separators, hidden or disabled.
#pragma once

#include <span>

#include "platform/MenuRows.h"

namespace vrn {

std::span<const MenuRow> mainMenuRows();
std::span<const MenuRow> popupMenuRows();  // mnuEdit1 and mnuEdit2

}  // namespace vrn
