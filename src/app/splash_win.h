// The splash shown while the program starts: a plain 349 x 210 window with
// the product's name, painted at once, without waiting for a message loop.
#pragma once

#include <windows.h>

#include "app/control_window_model.h"

namespace tavrel {

class SplashWindow {
public:
    SplashWindow(HINSTANCE instance, ControlWindowModel& model);
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;
    ~SplashWindow();

    void Close();

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    HWND window_ = nullptr;
    ControlWindowModel& model_;
};

}  // namespace tavrel
