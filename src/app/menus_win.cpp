#include "app/menus_win.h"

#include "styling/menu_painter_win.h"

namespace tavrel {
namespace {

// Appends entries from `at` to the matching end (or the table's end) and
// returns the position after them.
std::size_t AppendEntries(HMENU menu, const std::vector<MenuEntry>& entries, std::size_t at) {
    while (at < entries.size()) {
        const MenuEntry& entry = entries[at++];
        if (entry.kind == MenuEntryKind::kEnd) {
            break;
        }
        MENUITEMINFOW info{};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.dwItemData = MenuItemData(entry.image, entry.tag);
        if (entry.kind == MenuEntryKind::kSeparator) {
            info.fType = MFT_SEPARATOR;
        } else {
            info.fMask |= MIIM_STRING | MIIM_ID;
            info.fType = MFT_STRING | (entry.startsColumn ? MFT_MENUBARBREAK : 0u);
            info.dwTypeData = const_cast<wchar_t*>(entry.caption);
            info.wID = entry.command;
            if (entry.image != kNoImage) {
                info.fMask |= MIIM_BITMAP;
                info.hbmpItem = HBMMENU_CALLBACK;
            }
        }
        // A submenu belongs to its item only once the item is in the menu;
        // until then it is ours to free.
        unique_hmenu submenu;
        if (entry.kind == MenuEntryKind::kSubmenu) {
            submenu.reset(::CreatePopupMenu());
            at = AppendEntries(submenu.get(), entries, at);
            info.fMask |= MIIM_SUBMENU;
            info.hSubMenu = submenu.get();
        }
        if (::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info)) {
            submenu.release();
        }
    }
    return at;
}

}  // namespace

unique_hmenu BuildPopupMenu(const std::vector<MenuEntry>& entries) {
    unique_hmenu menu(::CreatePopupMenu());
    AppendEntries(menu.get(), entries, 0);
    return menu;
}

int MenuItemImage(ULONG_PTR itemData) {
    return MenuItemDataImage(itemData);
}

std::int32_t MenuItemTag(ULONG_PTR itemData) {
    return MenuItemDataTag(itemData);
}

void SetMenuCaption(HMENU menu, std::uint16_t command, const std::wstring& caption) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = const_cast<wchar_t*>(caption.c_str());
    ::SetMenuItemInfoW(menu, command, FALSE, &info);  // searches the submenus too
}

}  // namespace tavrel
