// Talks to a running tavrel.exe the way the shell and the user would, for
// demonstrations and screenshots:
//
//   tavrel_poke.exe show | hide | exit | tray-left | tray-right | command ID | skin N
//   tavrel_poke.exe keys down|up|right|left|escape|enter...
//   tavrel_poke.exe cursor X Y
//   tavrel_poke.exe cursor-in CLASS X Y
//   tavrel_poke.exe move CLASS X Y
//   tavrel_poke.exe input TEXT
//   tavrel_poke.exe wait-for CLASS
//
// show double-clicks the notification-area icon, tray-left and tray-right
// click it; command sends a command id of the control window; skin N
// chooses skin N (0 to 4) as its menu item does; cursor puts the mouse
// pointer on a point of the screen, cursor-in on a point of the client
// area of the top-level window of a class (the help window's buttons, say);
// move puts such a window's top left corner at a point of the screen (an
// open message box, "#32770", out of the way of what lies under it, say);
// input puts TEXT into the open input box, as if typed; wait-for waits
// until a window of the class shows (the splash, say).
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/commands.h"
#include "app/control_window_win.h"
#include "common/prompts_win.h"

namespace {

// As the mouse moves it, so the window under it hears of it. Under Wine a
// position set by input settles only after a moment, while the position
// before may still be read back (and a hint would show there): the pointer
// is first put one pixel beside the point and left to settle, then the
// mouse moves onto the point.
void MovePointer(long x, long y) {
    const POINT beside{static_cast<LONG>(x + 1), static_cast<LONG>(y)};
    ::SetCursorPos(beside.x, beside.y);
    int settled = 0;
    for (int i = 0; i < 200 && settled < 10; ++i) {
        ::Sleep(10);
        POINT at{};
        ::GetCursorPos(&at);
        settled = at.x == beside.x && at.y == beside.y ? settled + 1 : 0;
    }
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x * 65536 / ::GetSystemMetrics(SM_CXSCREEN) + 1;
    input.mi.dy = y * 65536 / ::GetSystemMetrics(SM_CYSCREEN) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    ::SendInput(1, &input, sizeof(INPUT));
}

int Number(const wchar_t* text) {
    return static_cast<int>(std::wcstol(text, nullptr, 10));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 2 && std::wstring(argv[1]) == L"wait-for") {
        // Before the control window exists: the splash, say.
        for (int i = 0; i < 1000; ++i) {
            HWND window = ::FindWindowW(argv[2], nullptr);
            if (window != nullptr && ::IsWindowVisible(window)) {
                return 0;
            }
            ::Sleep(10);
        }
        return 1;
    }
    HWND control = ::FindWindowW(tavrel::kControlWindowClass, nullptr);
    if (control == nullptr || argc < 2) {
        return 1;
    }
    const std::wstring verb = argv[1];
    if (verb == L"keys") {
        // Typed into whatever has the focus, an open menu included.
        for (int i = 2; i < argc; ++i) {
            const std::wstring key = argv[i];
            const WORD code = key == L"down"    ? VK_DOWN
                              : key == L"up"    ? VK_UP
                              : key == L"right" ? VK_RIGHT
                              : key == L"left"  ? VK_LEFT
                              : key == L"enter" ? VK_RETURN
                                                : VK_ESCAPE;
            INPUT input[2] = {};
            input[0].type = INPUT_KEYBOARD;
            input[0].ki.wVk = code;
            input[1] = input[0];
            input[1].ki.dwFlags = KEYEVENTF_KEYUP;
            ::SendInput(2, input, sizeof(INPUT));
            ::Sleep(150);
        }
        return 0;
    }
    if (verb == L"cursor" && argc > 3) {
        MovePointer(Number(argv[2]), Number(argv[3]));
        return 0;
    }
    if ((verb == L"cursor-in" || verb == L"move") && argc > 4) {
        HWND window = ::FindWindowW(argv[2], nullptr);
        if (window == nullptr) {
            return 1;
        }
        POINT point{Number(argv[3]), Number(argv[4])};
        if (verb == L"move") {
            ::SetWindowPos(window, nullptr, point.x, point.y, 0, 0,
                           SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        ::ClientToScreen(window, &point);
        MovePointer(point.x, point.y);
        return 0;
    }
    if (verb == L"input" && argc > 2) {
        HWND box = ::FindWindowW(tavrel::kInputBoxClass, nullptr);
        HWND edit = box != nullptr ? ::GetDlgItem(box, tavrel::kInputBoxEditId) : nullptr;
        if (edit == nullptr) {
            return 3;
        }
        ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[2]));
        return 0;
    }
    if (verb == L"show") {
        ::PostMessageW(control, tavrel::kTrayMessage, 100, WM_LBUTTONDBLCLK);
    } else if (verb == L"hide") {
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(tavrel::kCmdQuit, 0), 0);
    } else if (verb == L"tray-left") {
        ::PostMessageW(control, tavrel::kTrayMessage, 100, WM_LBUTTONUP);
    } else if (verb == L"tray-right") {
        ::PostMessageW(control, tavrel::kTrayMessage, 100, WM_RBUTTONUP);
    } else if (verb == L"exit") {
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(tavrel::kCmdExit, 0), 0);
    } else if (verb == L"skin" && argc > 2) {
        const auto skin = static_cast<WORD>(std::wcstol(argv[2], nullptr, 10));
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(tavrel::kCmdSkin0 + skin, 0), 0);
    } else if (verb == L"command" && argc > 2) {
        const auto id = static_cast<WORD>(std::wcstol(argv[2], nullptr, 10));
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    } else {
        return 2;
    }
    return 0;
}
