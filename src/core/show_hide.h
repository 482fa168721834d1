// Showing and hiding all desktop icons follows what the desktop shows.
//
// The command looks at the shell's window that holds the icons: a shown one
// is hidden, a hidden one shown, and ShowHideIcon (and with it the menu
// item's caption) then says what the desktop shows. A desktop that cannot
// be reached (no shell window, a shell that does not answer) is left alone,
// and so is the setting: a click that did nothing never puts the program
// one step out of step with the desktop.
#pragma once

#include "core/settings.h"
#include "desktop/desktop.h"

namespace tavrel {

// ShowHideIcon := what the desktop shows now, when it can be reached; true
// when it could.
bool FollowDesktopShown(DesktopAccess& desktop, Settings& settings);

// The show/hide-all-icons command; true when the desktop was reached.
bool ShowHideAllIcons(DesktopAccess& desktop, Settings& settings);
// The icons shown or hidden, whatever the desktop shows now; true when the
// desktop was reached.
bool ShowDesktopIcons(DesktopAccess& desktop, Settings& settings, bool shown);

}  // namespace tavrel
