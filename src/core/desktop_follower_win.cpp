#include "core/desktop_follower_win.h"

#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr UINT_PTR kScreenSettleTimer = 3;
constexpr UINT_PTR kShellLookTimer = 4;

}  // namespace

void DesktopFollower::Start(HWND owner) {
    owner_ = owner;
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
}

void DesktopFollower::Stop() {
    ::KillTimer(owner_, kScreenSettleTimer);
    ::KillTimer(owner_, kShellLookTimer);
    shellLooksLeft_ = 0;
}

bool DesktopFollower::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // The messages of a change are left to the window and the other hooks
    // as well.
    switch (message) {
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            ::SetTimer(owner_, kScreenSettleTimer, kScreenSettleMs, nullptr);
            return false;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA) {
                ::SetTimer(owner_, kScreenSettleTimer, kScreenSettleMs, nullptr);
            }
            return false;
        case WM_TIMER:
            if (wParam == kScreenSettleTimer) {
                ::KillTimer(owner_, kScreenSettleTimer);
                Arrange();
            } else if (wParam == kShellLookTimer) {
                const bool found = desktop_.GetDesktopIconCount(desktop_.FindDesktopListView()) > 0;
                if (found || --shellLooksLeft_ <= 0) {
                    ::KillTimer(owner_, kShellLookTimer);
                    shellLooksLeft_ = 0;
                }
                if (found) {
                    Arrange();
                }
            } else {
                return false;
            }
            result = 0;
            return true;
        default:
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                shellLooksLeft_ = kShellLooks;
                ::SetTimer(owner_, kShellLookTimer, kShellLookMs, nullptr);
            }
            return false;
    }
}

void DesktopFollower::Arrange() {
    // While an error report is open the figure waits for the next change or
    // refresh, as the refresh itself does.
    if (!ErrorReportOpen()) {
        arrange_();
    }
}

}  // namespace tavrel
