// Timer2, the periodic refresh, as a hook on the window that owns it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "common/window_timers_win.h"
#include "common/window_win.h"

namespace tavrel {

// Timer2 of the control window.
inline constexpr UINT_PTR kRefreshTimerId = 2;

class RefreshTimer final : public MessageHook {
  public:
    explicit RefreshTimer(std::function<void()> tick, WindowTimers& timers = SystemTimers())
        : tick_(std::move(tick)), timers_(timers) {}

    // Runs at the window's design interval, 60 seconds, until the settings
    // say otherwise.
    void Start(HWND owner);
    // Every `flashScreen` seconds; 0 or less stops the refresh. The
    // countdown starts anew only when the interval differs from the one it
    // had.
    void SetPeriod(std::int32_t flashScreen);
    void Stop();

    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    std::function<void()> tick_;
    WindowTimers& timers_;
    HWND owner_ = nullptr;
    // 0 while the refresh is stopped.
    std::uint32_t interval_ = 0;
};

}  // namespace tavrel
