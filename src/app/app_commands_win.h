// The control window's own commands: choosing an arrangement, the
// demonstration, showing and hiding the desktop icons and the control
// window, and the end of the program.
#pragma once

#include <windows.h>

#include "core/control_window_model.h"
#include "core/desktop_follower_win.h"
#include "core/dispatcher.h"
#include "core/refresh_timer_win.h"
#include "core/settings_store.h"
#include "app/tray_area_win.h"
#include "common/command_table.h"
#include "desktop/desktop.h"

namespace tavrel {

class AppCommands {
  public:
    AppCommands(Dispatcher& dispatcher, Settings& settings, SettingsRegistry& registry,
                DesktopAccess& desktop, ControlWindowModel& model, TrayArea& tray,
                RefreshTimer& refresh, DesktopFollower& follower)
        : dispatcher_(dispatcher),
          settings_(settings),
          registry_(registry),
          desktop_(desktop),
          model_(model),
          tray_(tray),
          refresh_(refresh),
          follower_(follower) {}

    // `owner` owns the boxes the commands show.
    void Register(CommandTable& table, HWND owner);

    // Arrangement buttons and arrangement menu items, the run-time custom
    // items included: the id names the arrangement number.
    void ArrangementClick(const CommandEvent& event);
    void SeeAllArragnClick(const CommandEvent& event);
    void ShowHideAllIconClick(const CommandEvent& event);
    // Shows or hides every desktop icon, the setting and the menu caption
    // kept in step; false when the desktop could not be reached.
    bool ShowAllIcons(bool shown);
    void QuitClick(const CommandEvent& event);
    void ShowMainClick(const CommandEvent& event);
    void ExitClick(const CommandEvent& event);
    // Ends what runs on its own: the icon's animation, the refresh and the
    // following of the desktop, so nothing writes the settings any more.
    void StopBackgroundWork();

  private:
    // Both make the chosen arrangement the current one, then perform it.
    void Button(std::int32_t tag) { dispatcher_.ChooseArrangement(tag); }
    void MenuItemClick(std::int32_t tag) { dispatcher_.ChooseArrangement(tag); }

    Dispatcher& dispatcher_;
    Settings& settings_;
    SettingsRegistry& registry_;
    DesktopAccess& desktop_;
    ControlWindowModel& model_;
    TrayArea& tray_;
    RefreshTimer& refresh_;
    DesktopFollower& follower_;
    HWND owner_ = nullptr;
};

}  // namespace tavrel
