// The screen mode of Wine's virtual desktop, changed as a docked laptop or a
// remote session changes it, and put back as it was at the end.
#pragma once

#include <windows.h>

namespace tavrel::testing {

class ScreenModes {
  public:
    ScreenModes() = default;
    ScreenModes(const ScreenModes&) = delete;
    ScreenModes& operator=(const ScreenModes&) = delete;
    ~ScreenModes() { ::ChangeDisplaySettingsExW(nullptr, nullptr, nullptr, 0, nullptr); }

    static bool Set(int width, int height) {
        DEVMODEW mode{};
        mode.dmSize = sizeof(mode);
        mode.dmPelsWidth = static_cast<DWORD>(width);
        mode.dmPelsHeight = static_cast<DWORD>(height);
        mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
        return ::ChangeDisplaySettingsExW(nullptr, &mode, nullptr, 0, nullptr) ==
               DISP_CHANGE_SUCCESSFUL;
    }
};

}  // namespace tavrel::testing
