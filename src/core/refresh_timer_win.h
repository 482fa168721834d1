// Timer2, the periodic refresh, as a hook on the window that owns it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "common/window_win.h"

namespace tavrel {

class RefreshTimer final : public MessageHook {
public:
    explicit RefreshTimer(std::function<void()> tick) : tick_(std::move(tick)) {}

    // Runs at the window's design interval, 60 seconds, until the settings
    // say otherwise.
    void Start(HWND owner);
    // Every `flashScreen` seconds; 0 or less stops the refresh.
    void SetPeriod(std::int32_t flashScreen);
    void Stop();

    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    std::function<void()> tick_;
    HWND owner_ = nullptr;
};

}  // namespace tavrel
