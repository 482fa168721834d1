#include "app/splash_win.h"

#include "common/unique_handle_win.h"
#include "windows/resources_win.h"
#include "windows/version_info_win.h"

namespace tavrel {
namespace {

constexpr wchar_t kSplashClass[] = L"TAboutBox";
constexpr int kWidth = 349;
constexpr int kHeight = 210;

}  // namespace

SplashWindow::SplashWindow(HINSTANCE instance, ControlWindowModel& model) : model_(model) {
    if (auto image = LoadAboutPicture(instance)) {
        picture_.reset(CreatePictureBitmap(*image));
    }
    version_ = OwnVersionCaption();
    WNDCLASSW splashClass{};
    splashClass.lpfnWndProc = Proc;
    splashClass.hInstance = instance;
    splashClass.hCursor = ::LoadCursorW(nullptr, IDC_APPSTARTING);
    splashClass.lpszClassName = kSplashClass;
    ::RegisterClassW(&splashClass);
    const int left = (::GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (::GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_LAYERED, kSplashClass, L"Tavrel", WS_POPUP,
                                left, top, kWidth, kHeight, nullptr, nullptr, instance, this);
    if (window_ != nullptr) {
        // Black shows what lies behind the window.
        ::SetLayeredWindowAttributes(window_, RGB(0, 0, 0), 255, LWA_COLORKEY);
        ::ShowWindow(window_, SW_SHOW);
        ::UpdateWindow(window_);
    }
}

SplashWindow::~SplashWindow() { Close(); }

void SplashWindow::Close() {
    if (window_ != nullptr) {
        ::DestroyWindow(window_);
    }
}

LRESULT CALLBACK SplashWindow::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<SplashWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCDESTROY:
            ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
            if (self != nullptr) {
                self->window_ = nullptr;
                self->model_.OnDestroyed(ProgramWindow::kSplash);
            }
            break;
        case WM_ACTIVATE:
            if (self != nullptr && LOWORD(wParam) != WA_INACTIVE) {
                self->model_.OnFocus(ProgramWindow::kSplash);
            }
            break;
        case WM_PAINT:
            if (self != nullptr) {
                self->Paint();
                return 0;
            }
            break;
        default:
            break;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void SplashWindow::Paint() {
    paint_dc paint(window_);
    if (picture_) {
        unique_hdc source(::CreateCompatibleDC(paint.get()));
        select_object bitmap(source.get(), picture_.get());
        ::BitBlt(paint.get(), 0, 0, kWidth, kHeight, source.get(), 0, 0, SRCCOPY);
    }
    unique_hfont font(::CreateFontW(12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
    select_object selected(paint.get(), font.get());
    ::SetBkColor(paint.get(), ::GetSysColor(COLOR_ACTIVEBORDER));
    ::SetTextColor(paint.get(), RGB(255, 0, 0));
    ::TextOutW(paint.get(), 262, 31, version_.c_str(), static_cast<int>(version_.size()));
}

}  // namespace tavrel
