// The custom-character and saved-layout commands on the real windows: the
// rows of their command ids (the submenu items and the control window's
// buttons alike), and the refresh of their two submenus of the arrangement
// menu each time one opens.
#pragma once

#include <windows.h>

#include <vector>

#include "core/settings.h"
#include "common/command_table.h"
#include "common/prompts.h"
#include "common/registry.h"
#include "common/window_win.h"
#include "desktop/desktop.h"
#include "textlayouts/custom_menu.h"

namespace tavrel {

class CustomCommands final : public MessageHook {
  public:
    CustomCommands(DesktopAccess& desktop, RegistryAccess& registry, RegistryRoot settingsRoot,
                   Settings& settings, Prompts& prompts)
        : desktop_(desktop),
          store_{registry, settingsRoot},
          settings_(settings),
          prompts_(prompts) {}

    void Register(CommandTable& table);
    // Finds the two submenus in the arrangement menu: the ones that begin
    // with the save commands.
    void AttachMenu(HMENU arrangementMenu);

    // The submenus are brought up to date as they open.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    void CustomCharacterSaveClick(const CommandEvent& event);
    void CustomCharacterDeleteClick(const CommandEvent& event);
    void CustomPositionSaveClick(const CommandEvent& event);
    void CustomPositionDeleteClick(const CommandEvent& event);
    // The submenu refreshes.
    void CustomCharacterClick();
    void CustomPositionClick();

    HMENU CharacterMenu() const { return characters_.menu; }
    HMENU PositionMenu() const { return positions_.menu; }

  private:
    struct Submenu {
        HMENU menu = nullptr;
        std::vector<CustomMenuEntry> shown;
    };
    // The run-time entries after the three fixed items are made anew when
    // they differ from what the registry holds now.
    static void Refresh(Submenu& submenu, std::vector<CustomMenuEntry> entries);

    DesktopAccess& desktop_;
    CustomStore store_;
    Settings& settings_;
    Prompts& prompts_;
    Submenu characters_;
    Submenu positions_;
};

}  // namespace tavrel
