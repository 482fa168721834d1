// The splash shown while the program starts: a plain 349 x 210 window with
// the product's name, painted at once, without waiting for a message loop.
#pragma once

#include <windows.h>

#include "app/control_window_model.h"
#include "common/window_win.h"

namespace tavrel {

class SplashWindow final : public Window {
public:
    SplashWindow(HINSTANCE instance, ControlWindowModel& model);
    // The focus record hears of the end while this object still exists.
    ~SplashWindow() override { Destroy(); }

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    ControlWindowModel& model_;
};

}  // namespace tavrel
