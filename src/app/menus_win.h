// Real popup menus from the menu tables. Each item carries its picture
// index (plus one, 0 for none) as item data, so whoever draws the menus
// finds it there.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/menus.h"
#include "common/unique_handle_win.h"

namespace tavrel {

unique_hmenu BuildPopupMenu(const std::vector<MenuEntry>& entries);

// The picture index stored with a menu item, or kNoImage.
int MenuItemImage(ULONG_PTR itemData);

// Sets the caption of the item with this command, wherever it sits.
void SetMenuCaption(HMENU menu, std::uint16_t command, const std::wstring& caption);

}  // namespace tavrel
