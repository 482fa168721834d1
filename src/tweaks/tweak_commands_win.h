// The shell tweaks of the program menu as commands: the four shortcut
// places, the icon text colour and transparency, the refresh time, the
// shortcut arrow, the icon cache and autorun. Also the two links of the
// very first start.
#pragma once

#include <windows.h>

#include <string>

#include "core/dispatcher.h"
#include "core/refresh_timer_win.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "common/command_table.h"
#include "common/prompts.h"
#include "common/registry.h"
#include "common/window_win.h"
#include "desktop/desktop.h"
#include "tweaks/desktop_tweaks.h"
#include "tweaks/desktop_tweaks_win.h"
#include "tweaks/shortcuts.h"
#include "tweaks/shortcuts_win.h"

namespace tavrel {

struct TweakParts {
    Settings& settings;
    SettingsRegistry& store;
    RegistryAccess& registry;
    // The settings root, where the Run key is.
    RegistryRoot settingsRoot;
    DesktopAccess& desktop;
    Dispatcher& dispatcher;
    RefreshTimer& refresh;
    Prompts& prompts;
    // The control window, owner of the dialogs.
    const Window& owner;
    std::wstring programPath;
};

class TweakCommands final : private TweakHost {
  public:
    explicit TweakCommands(TweakParts parts);
    TweakCommands(const TweakCommands&) = delete;
    TweakCommands& operator=(const TweakCommands&) = delete;

    void Register(CommandTable& table);

    // A link to the program in folder `folder` (2: the desktop, 3: the
    // quick launch bar), as the first start places them.
    void CreateShortcut(int folder, const std::wstring& name) { shortcuts_.Place(folder, name); }

    void StartMenuClick(const CommandEvent&) { shortcuts_.StartMenuClick(); }
    void ProgramsClick(const CommandEvent&) { shortcuts_.ProgramsClick(); }
    void DesktopClick(const CommandEvent&) { shortcuts_.DesktopClick(); }
    void QuickLaunchClick(const CommandEvent&) { shortcuts_.QuickLaunchClick(); }
    void SetDesktopIconTextColorClick(const CommandEvent&) {
        tweaks_.SetDesktopIconTextColorClick();
    }
    void IconTextTransparenceClick(const CommandEvent&) { tweaks_.IconTextTransparenceClick(); }
    void FlashScreenClick(const CommandEvent&) { tweaks_.FlashScreenClick(); }
    void DelelteShortCutClick(const CommandEvent&) { tweaks_.DelelteShortCutClick(); }
    void IconCacheRebuildClick(const CommandEvent&) { tweaks_.IconCacheRebuildClick(); }
    void AutoRunClick(const CommandEvent&) { tweaks_.AutoRunClick(); }

  private:
    // TweakHost: the rest of the program.
    void SaveSettings() override;
    void SetRefreshPeriod(std::int32_t flashScreen) override;
    void Timer2Timer() override;

    Settings& settings_;
    SettingsRegistry& store_;
    Dispatcher& dispatcher_;
    RefreshTimer& refresh_;
    Win32ShortcutPlatform shortcutPlatform_;
    ShortcutCommands shortcuts_;
    Win32TweakPlatform platform_;
    DesktopTweaks tweaks_;
};

}  // namespace tavrel
