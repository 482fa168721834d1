#include "core/refresh_timer_win.h"

#include "core/settings_store.h"
#include "common/error_report_win.h"

namespace tavrel {
namespace {

constexpr UINT_PTR kTimer2 = 2;
constexpr UINT kTimer2DesignInterval = 60000;

}  // namespace

void RefreshTimer::Start(HWND owner) {
    owner_ = owner;
    ::SetTimer(owner_, kTimer2, kTimer2DesignInterval, nullptr);
}

void RefreshTimer::SetPeriod(std::int32_t flashScreen) {
    const std::uint32_t interval = RefreshIntervalMs(flashScreen);
    if (interval == 0) {
        Stop();
    } else {
        ::SetTimer(owner_, kTimer2, interval, nullptr);
    }
}

void RefreshTimer::Stop() { ::KillTimer(owner_, kTimer2); }

bool RefreshTimer::Handle(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_TIMER || wParam != kTimer2) {
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
