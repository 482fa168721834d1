// The refresh timer on a real window: when its countdown starts anew, and
// that the system's timer drives the refresh.
#include "core/refresh_timer_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/owner_window_win.h"
#include "support/program_win.h"

namespace tavrel {
namespace {

// Counts down nothing; tells what it was asked.
class RecordingTimers final : public WindowTimers {
  public:
    void Set(HWND, UINT_PTR, UINT milliseconds) override {
        calls.push_back("set " + std::to_string(milliseconds));
    }
    void Kill(HWND, UINT_PTR) override { calls.push_back("kill"); }
    std::vector<std::string> calls;
};

TEST(RefreshTimer, OnlyAnotherIntervalStartsTheCountdownAnew) {
    testing::HiddenOwnerWindow owner;
    RecordingTimers timers;
    RefreshTimer refresh([] {}, timers);
    refresh.Start(owner.hwnd());
    // The stored 60 seconds at start-up, and OK in the refresh box with the
    // value unchanged, leave the countdown running.
    refresh.SetPeriod(60);
    refresh.SetPeriod(30);
    refresh.SetPeriod(30);
    refresh.SetPeriod(0);
    refresh.SetPeriod(-5);  // stopped already
    refresh.SetPeriod(60);
    refresh.Stop();
    EXPECT_EQ(timers.calls,
              (std::vector<std::string>{"set 60000", "set 30000", "kill", "set 60000", "kill"}));
}

TEST(RefreshTimer, TheSystemsTimerTicksTheRefresh) {
    testing::HiddenOwnerWindow owner;
    int ticks = 0;
    RefreshTimer refresh([&] { ++ticks; });
    const HookAttachment hook = owner.AddHook(refresh);
    refresh.Start(owner.hwnd());
    refresh.SetPeriod(1);
    EXPECT_TRUE(testing::WaitUntil(
        [&] {
            MSG message;
            while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                ::DispatchMessageW(&message);
            }
            return ticks > 0;
        },
        std::chrono::seconds(10)));
    refresh.Stop();
}

}  // namespace
}  // namespace tavrel
