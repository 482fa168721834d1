#include "app/application_window_win.h"

#include "common/error_report_win.h"
#include "resources/resource_ids.h"

namespace tavrel {

bool ApplicationWindow::Create(HINSTANCE instance) {
    WNDCLASSEXW applicationClass{};
    applicationClass.hInstance = instance;
    applicationClass.hIcon = ::LoadIconW(instance, MAKEINTRESOURCEW(IDI_TAVREL));
    applicationClass.lpszClassName = kApplicationWindowClass;
    RegisterWindowClass(applicationClass);
    // Zero size, titled with the application title, carrying the taskbar
    // button while it is shown without the tool-window style.
    return CreateFor(WS_EX_TOOLWINDOW, kApplicationWindowClass, kApplicationTitle,
                     WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0, nullptr,
                     instance) != nullptr;
}

LRESULT ApplicationWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ACTIVATE:
            // The taskbar button activates this window; the focus belongs
            // to the control window whenever it is shown.
            if (LOWORD(wParam) != WA_INACTIVE && control_ != nullptr &&
                ::IsWindowVisible(control_)) {
                ::SetActiveWindow(control_);
                return 0;
            }
            break;
        case WM_CLOSE:
            model_.FormClose();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace tavrel
