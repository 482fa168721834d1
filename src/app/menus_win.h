// Real popup menus from the menu tables. Each item carries its picture
// index and its Tag as item data (MenuItemData), so whoever draws the menus
// finds them there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "core/menus.h"
#include "common/unique_handle_win.h"

namespace tavrel {

unique_hmenu BuildPopupMenu(const std::vector<MenuEntry>& entries);

// The picture index stored with a menu item, or kNoImage.
int MenuItemImage(ULONG_PTR itemData);
// The Tag stored with a menu item (the arrangement number of arrangement
// items).
std::int32_t MenuItemTag(ULONG_PTR itemData);

// Sets the caption of the item with this command, wherever it sits.
void SetMenuCaption(HMENU menu, std::uint16_t command, const std::wstring& caption);

}  // namespace tavrel
