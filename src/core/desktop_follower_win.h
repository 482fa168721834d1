// Keeps the figure on the desktop when the desktop changes under the
// program, as a hook of the control window:
//
// - a new screen (a docked or undocked laptop, a remote session, a moved
//   taskbar, another scale): once the changes have settled, one short
//   pause after the last of them, the current arrangement is performed for
//   the new work area; a burst of changes gives one arrangement;
// - a restarted shell ("TaskbarCreated"): the new desktop is looked for,
//   a few times a second and for a bounded time, without holding up the
//   message loop; once it holds icons, the current arrangement is
//   performed once.
//
// The refresh timer is left alone: its interval and phase stay.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "common/window_timers_win.h"
#include "common/window_win.h"
#include "desktop/desktop.h"

namespace tavrel {

// The control window's timers of the follower (the refresh has 2).
inline constexpr UINT_PTR kScreenSettleTimerId = 3;
inline constexpr UINT_PTR kShellLookTimerId = 4;
// How long a screen change has to settle before the figure follows it.
inline constexpr UINT kScreenSettleMs = 1000;
// How often, and for how long at most, a restarted shell's desktop is
// looked for.
inline constexpr UINT kShellLookMs = 250;
inline constexpr int kShellLooks = 240;

class DesktopFollower final : public MessageHook {
  public:
    // `arrange` performs the current arrangement (no save).
    DesktopFollower(DesktopAccess& desktop, std::function<void()> arrange,
                    WindowTimers& timers = SystemTimers())
        : desktop_(desktop), arrange_(std::move(arrange)), timers_(timers) {}

    void Start(HWND owner);
    void Stop();

    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void Arrange();
    void Settle();

    DesktopAccess& desktop_;
    std::function<void()> arrange_;
    WindowTimers& timers_;
    HWND owner_ = nullptr;
    UINT taskbarCreated_ = 0;
    int shellLooksLeft_ = 0;
};

}  // namespace tavrel
