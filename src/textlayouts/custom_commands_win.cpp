#include "textlayouts/custom_commands_win.h"

#include "core/commands.h"
#include "common/scope_exit.h"
#include "styling/menu_painter_win.h"
#include "textlayouts/custom_characters.h"
#include "textlayouts/custom_positions.h"
#include "textlayouts/icon_text_win.h"

namespace tavrel {
namespace {

constexpr CommandRow<CustomCommands> kRows[] = {
    {kCmdCustomCharacterSave, kCmdCustomCharacterSave, &CustomCommands::CustomCharacterSaveClick},
    {kCmdCustomCharacterDelete, kCmdCustomCharacterDelete,
     &CustomCommands::CustomCharacterDeleteClick},
    {kCmdCustomPositionSave, kCmdCustomPositionSave, &CustomCommands::CustomPositionSaveClick},
    {kCmdCustomPositionDelete, kCmdCustomPositionDelete,
     &CustomCommands::CustomPositionDeleteClick},
};

// Save, delete and the separator come first in both submenus.
constexpr int kFixedItems = 3;

HMENU SubmenuStartingWith(HMENU menu, std::uint16_t command) {
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        HMENU submenu = ::GetSubMenu(menu, i);
        if (submenu == nullptr) {
            continue;
        }
        if (::GetMenuItemID(submenu, 0) == command) {
            return submenu;
        }
        if (HMENU deeper = SubmenuStartingWith(submenu, command)) {
            return deeper;
        }
    }
    return nullptr;
}

void AppendEntry(HMENU menu, const CustomMenuEntry& entry) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STRING | MIIM_ID | MIIM_STATE | MIIM_DATA | MIIM_BITMAP;
    info.fType = MFT_STRING | (entry.startsColumn ? MFT_MENUBARBREAK : 0u);
    // A number beyond the command ids is shown, greyed, and chooses nothing.
    info.fState = entry.command ? MFS_ENABLED : MFS_GRAYED;
    info.wID = entry.command.value_or(0);
    info.dwTypeData = const_cast<wchar_t*>(entry.caption.c_str());
    // The picture and the arrangement number as the Tag, as every item of
    // the program's menus carries them, for whoever draws the menu.
    info.dwItemData = MenuItemData(entry.image, entry.tag);
    info.hbmpItem = HBMMENU_CALLBACK;
    ::InsertMenuItemW(menu, static_cast<UINT>(::GetMenuItemCount(menu)), TRUE, &info);
}

}  // namespace

void CustomCommands::Register(CommandTable& table) {
    table.AddRows(*this, kRows);
}

void CustomCommands::AttachMenu(HMENU arrangementMenu) {
    characters_ = {SubmenuStartingWith(arrangementMenu, kCmdCustomCharacterSave), {}};
    positions_ = {SubmenuStartingWith(arrangementMenu, kCmdCustomPositionSave), {}};
}

bool CustomCommands::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT&) {
    if (message != WM_INITMENUPOPUP) {
        return false;
    }
    const auto opening = reinterpret_cast<HMENU>(wParam);
    if (opening != nullptr && opening == characters_.menu) {
        CustomCharacterClick();
    } else if (opening != nullptr && opening == positions_.menu) {
        CustomPositionClick();
    }
    // Whoever draws the menus sees the opening too.
    return false;
}

void CustomCommands::CustomCharacterSaveClick(const CommandEvent&) {
    CustomCharacterContext context{store_, settings_, prompts_, [this](const std::wstring& text) {
                                       DrawTextWithIcons(desktop_, text);
                                   }};
    tavrel::CustomCharacterSaveClick(context);
}

void CustomCommands::CustomCharacterDeleteClick(const CommandEvent&) {
    CustomCharacterContext context{store_, settings_, prompts_, [this](const std::wstring& text) {
                                       DrawTextWithIcons(desktop_, text);
                                   }};
    tavrel::CustomCharacterDeleteClick(context);
}

void CustomCommands::CustomPositionSaveClick(const CommandEvent&) {
    CustomPositionContext context{desktop_, store_, settings_, prompts_};
    tavrel::CustomPositionSaveClick(context);
}

void CustomCommands::CustomPositionDeleteClick(const CommandEvent&) {
    CustomPositionContext context{desktop_, store_, settings_, prompts_};
    tavrel::CustomPositionDeleteClick(context);
}

// A damaged value ends a refresh with its report, once; the submenu then
// shows the entries before it.
void CustomCommands::CustomCharacterClick() {
    std::vector<CustomMenuEntry> entries;
    const scope_exit show([&] { Refresh(characters_, std::move(entries)); });
    tavrel::CustomCharacterClick(store_, settings_, entries);
}

void CustomCommands::CustomPositionClick() {
    std::vector<CustomMenuEntry> entries;
    const scope_exit show([&] { Refresh(positions_, std::move(entries)); });
    tavrel::CustomPositionClick(store_, settings_, entries);
}

void CustomCommands::Refresh(Submenu& submenu, std::vector<CustomMenuEntry> entries) {
    if (submenu.menu == nullptr) {
        return;
    }
    const int count = ::GetMenuItemCount(submenu.menu);
    if (entries == submenu.shown && count == kFixedItems + static_cast<int>(entries.size())) {
        return;
    }
    for (int position = count - 1; position >= kFixedItems; --position) {
        ::DeleteMenu(submenu.menu, static_cast<UINT>(position), MF_BYPOSITION);
    }
    for (const CustomMenuEntry& entry : entries) {
        AppendEntry(submenu.menu, entry);
    }
    submenu.shown = std::move(entries);
}

}  // namespace tavrel
