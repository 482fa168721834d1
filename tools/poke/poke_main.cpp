// Talks to a running tavrel.exe the way the shell and the user would, for
// demonstrations and screenshots:
//
//   tavrel_poke.exe show | exit | tray-left | tray-right | command ID
//
// show double-clicks the notification-area icon, tray-left and tray-right
// click it; command sends a command id of the control window.
#include <windows.h>

#include <cwchar>
#include <string>

#include "app/commands.h"
#include "app/main_window_win.h"

int wmain(int argc, wchar_t** argv) {
    HWND control = ::FindWindowW(tavrel::kControlWindowClass, nullptr);
    if (control == nullptr || argc < 2) {
        return 1;
    }
    const std::wstring verb = argv[1];
    if (verb == L"show") {
        ::PostMessageW(control, tavrel::kTrayMessage, 100, WM_LBUTTONDBLCLK);
    } else if (verb == L"tray-left") {
        ::PostMessageW(control, tavrel::kTrayMessage, 100, WM_LBUTTONUP);
    } else if (verb == L"tray-right") {
        ::PostMessageW(control, tavrel::kTrayMessage, 100, WM_RBUTTONUP);
    } else if (verb == L"exit") {
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(tavrel::kCmdExit, 0), 0);
    } else if (verb == L"command" && argc > 2) {
        const auto id = static_cast<WORD>(std::wcstol(argv[2], nullptr, 10));
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else {
        return 2;
    }
    return 0;
}
