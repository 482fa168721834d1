// The splash shown while the program starts: the about picture with the
// version caption, painted at once, without waiting for a message loop.
#pragma once

#include <windows.h>

#include <string>

#include "app/control_window_model.h"
#include "common/unique_handle_win.h"

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
    unique_hbitmap picture_;
    std::wstring version_;
    ControlWindowModel& model_;
};

}  // namespace tavrel
