// The application window: a zero-size top-level window titled "Tavrel" that
// owns the control window and carries the program's taskbar button.
#pragma once

#include <windows.h>

#include "core/control_window_model.h"
#include "common/window_win.h"

namespace tavrel {

inline constexpr wchar_t kApplicationWindowClass[] = L"TApplication";

class ApplicationWindow final : public Window {
  public:
    explicit ApplicationWindow(ControlWindowModel& model) : model_(model) {}

    bool Create(HINSTANCE instance);
    // The window the taskbar button's activation is passed on to.
    void SetControlWindow(HWND control) { control_ = control; }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    ControlWindowModel& model_;
    HWND control_ = nullptr;
};

}  // namespace tavrel
