#include "core/desktop_follower_win.h"

#include "common/error_report_win.h"

namespace tavrel {

void DesktopFollower::Start(HWND owner) {
    owner_ = owner;
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
}

void DesktopFollower::Stop() {
    timers_.Kill(owner_, kScreenSettleTimerId);
    timers_.Kill(owner_, kShellLookTimerId);
    shellLooksLeft_ = 0;
}

bool DesktopFollower::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // The messages of a change are left to the window and the other hooks
    // as well.
    switch (message) {
        case WM_DISPLAYCHANGE:
        case WM_DPICHANGED:
            Settle();
            return false;
        case WM_SETTINGCHANGE:
            if (wParam == SPI_SETWORKAREA) {
                Settle();
            }
            return false;
        case WM_TIMER:
            if (wParam == kScreenSettleTimerId) {
                timers_.Kill(owner_, kScreenSettleTimerId);
                Arrange();
            } else if (wParam == kShellLookTimerId) {
                const bool found = desktop_.GetDesktopIconCount(desktop_.FindDesktopListView()) > 0;
                if (found || --shellLooksLeft_ <= 0) {
                    timers_.Kill(owner_, kShellLookTimerId);
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
                timers_.Set(owner_, kShellLookTimerId, kShellLookMs);
            }
            return false;
    }
}

void DesktopFollower::Settle() {
    // Each change starts the pause anew: a burst gives one arrangement.
    timers_.Set(owner_, kScreenSettleTimerId, kScreenSettleMs);
}

void DesktopFollower::Arrange() {
    // While an error report is open the figure waits for the next change or
    // refresh, as the refresh itself does.
    if (!ErrorReportOpen()) {
        arrange_();
    }
}

}  // namespace tavrel
