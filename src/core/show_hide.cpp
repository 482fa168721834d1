#include "core/show_hide.h"

namespace tavrel {

bool FollowDesktopShown(DesktopAccess& desktop, Settings& settings) {
    const std::optional<bool> shown = desktop.DesktopWindowShown();
    if (!shown) {
        return false;
    }
    settings.showHideIcon = *shown ? 1 : 0;
    return true;
}

bool ShowHideAllIcons(DesktopAccess& desktop, Settings& settings) {
    const std::optional<bool> shown = desktop.DesktopWindowShown();
    return shown && ShowDesktopIcons(desktop, settings, !*shown);
}

bool ShowDesktopIcons(DesktopAccess& desktop, Settings& settings, bool shown) {
    if (!desktop.DesktopWindowShown()) {
        return false;
    }
    desktop.ShowDesktopWindow(shown ? 1 : 0);
    return FollowDesktopShown(desktop, settings);
}

}  // namespace tavrel
