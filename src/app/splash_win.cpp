#include "app/splash_win.h"

#include "common/unique_handle_win.h"

namespace tavrel {
namespace {

constexpr wchar_t kSplashClass[] = L"TAboutBox";
constexpr int kWidth = 349;
constexpr int kHeight = 210;

}  // namespace

SplashWindow::SplashWindow(HINSTANCE instance, ControlWindowModel& model) : model_(model) {
    WNDCLASSEXW splashClass{};
    splashClass.hInstance = instance;
    splashClass.hCursor = ::LoadCursorW(nullptr, IDC_APPSTARTING);
    splashClass.lpszClassName = kSplashClass;
    RegisterWindowClass(splashClass);
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    if (CreateFor(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kSplashClass, L"Tavrel", WS_POPUP | WS_BORDER, left,
                  top, kWidth, kHeight, nullptr, instance) != nullptr) {
        ::ShowWindow(hwnd(), SW_SHOW);
        ::UpdateWindow(hwnd());
    }
}

LRESULT SplashWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_NCDESTROY:
            model_.OnDestroyed(ProgramWindow::kSplash);
            break;
        case WM_ACTIVATE:
            if (LOWORD(wParam) != WA_INACTIVE) {
                model_.OnFocus(ProgramWindow::kSplash);
            }
            break;
        case WM_PAINT:
            Paint();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void SplashWindow::Paint() {
    paint_dc paint(hwnd());
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    // A vertical blend from the control window's blue to navy.
    for (int y = 0; y < client.bottom; ++y) {
        const int t = client.bottom > 1 ? y * 255 / (client.bottom - 1) : 0;
        unique_hbrush line(::CreateSolidBrush(RGB(0, 128 - t * 128 / 255, 192 - t * 32 / 255)));
        RECT row{0, y, client.right, y + 1};
        ::FillRect(paint.get(), &row, line.get());
    }
    ::SetBkMode(paint.get(), TRANSPARENT);
    ::SetTextColor(paint.get(), RGB(255, 255, 255));
    unique_hfont title(::CreateFontW(-40, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
    unique_hfont line(::CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
    RECT titleRect{0, 50, client.right, 110};
    {
        select_object font(paint.get(), title.get());
        ::DrawTextW(paint.get(), L"Tavrel", -1, &titleRect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
    }
    RECT lineRect{0, 120, client.right, 150};
    select_object font(paint.get(), line.get());
    ::DrawTextW(paint.get(), L"桌面图标排列 2.00  正在启动…", -1, &lineRect, DT_CENTER | DT_SINGLELINE | DT_VCENTER);
}

}  // namespace tavrel
