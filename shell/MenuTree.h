// The main menu as data: every item of the eleven top-level menus, in menu order, as the stored
// window layout has them. The main window builds its menu from this table; the commands behind
// the items are in Commands.h, linked by component name.
#pragma once

#include <span>
#include <string_view>

struct NvMenuItem {
  const char* Parent;   // component name of the parent item; null for a top-level item
  const char* Name;     // component name; null for separator lines and the one unnamed item
  const char* Caption;  // exact, line feeds and trailing blanks included; "-" for a separator line
  bool Hidden = false;  // Visible false in the stored layout: the item and its subtree never show
  const char* Handler = nullptr;  // click handler (Name + "Click") where the item runs a command
};

std::span<const NvMenuItem> NvMainMenuItems();

// The item with this component name, or null.
const NvMenuItem* NvFindMenuItem(std::string_view name);

// False when the item or one of its parents is hidden, so the menu never offers it.
bool NvMenuItemReachable(const NvMenuItem& item);
