#include "core/refresh_timer_win.h"

#include "core/settings_store.h"
#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr UINT kTimer2DesignInterval = 60000;

}  // namespace

void RefreshTimer::Start(HWND owner) {
    owner_ = owner;
    timers_.Set(owner_, kRefreshTimerId, kTimer2DesignInterval);
    interval_ = kTimer2DesignInterval;
}

void RefreshTimer::SetPeriod(std::int32_t flashScreen) {
    const std::uint32_t interval = RefreshIntervalMs(flashScreen);
    if (interval == interval_) {
        return;
    }
    if (interval == 0) {
        Stop();
    } else {
        timers_.Set(owner_, kRefreshTimerId, interval);
        interval_ = interval;
    }
}

void RefreshTimer::Stop() {
    timers_.Kill(owner_, kRefreshTimerId);
    interval_ = 0;
}

bool RefreshTimer::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != kRefreshTimerId) {
        return false;
    }
    // While an error report is open the refresh waits: a failure that comes
    // back at every tick is shown once, not once per tick.
    if (!ErrorReportOpen()) {
        tick_();
    }
    result = 0;
    return true;
}

}  // namespace tavrel
