// The control window's timers: when the refresh's countdown starts anew,
// that the system's timer drives the refresh, and when the follower of a
// changing desktop arranges.
#include "core/refresh_timer_win.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "core/desktop_follower_win.h"
#include "support/owner_window_win.h"
#include "support/program_win.h"
#include "support/recording_desktop.h"

namespace tavrel {
namespace {

// Counts down nothing; tells what it was asked.
class RecordingTimers final : public WindowTimers {
  public:
    void Set(HWND, UINT_PTR id, UINT milliseconds) override {
        calls.push_back(Named("set", id) + " " + std::to_string(milliseconds));
    }
    void Kill(HWND, UINT_PTR id) override { calls.push_back(Named("kill", id)); }
    // The refresh's own timer goes without its number.
    static std::string Named(const std::string& what, UINT_PTR id) {
        return id == kRefreshTimerId ? what : what + "#" + std::to_string(id);
    }
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
        testing::kPatience));
    refresh.Stop();
}

// The follower's pauses run on timers the test fires itself: what counts is
// which change starts a pause anew and what a pause's end does.
class DesktopFollowerTest : public ::testing::Test {
  protected:
    DesktopFollowerTest() { follower_.Start(nullptr); }
    bool Send(UINT message, WPARAM wParam = 0) {
        LRESULT result = 0;
        return follower_.Handle(message, wParam, 0, result);
    }
    bool Fire(UINT_PTR id) { return Send(WM_TIMER, id); }

    RecordingTimers timers_;
    testing::RecordingDesktop desktop_{5, 800, 600};
    int arranged_ = 0;
    DesktopFollower follower_{desktop_, [this] { ++arranged_; }, timers_};
};

TEST_F(DesktopFollowerTest, EachScreenChangeStartsThePauseAnewAndItsEndArrangesOnce) {
    EXPECT_FALSE(Send(WM_DISPLAYCHANGE)) << "left to the window as well";
    EXPECT_FALSE(Send(WM_SETTINGCHANGE, SPI_SETWORKAREA));
    EXPECT_FALSE(Send(WM_SETTINGCHANGE, SPI_SETDESKWALLPAPER));
    EXPECT_FALSE(Send(WM_DPICHANGED));
    EXPECT_EQ(arranged_, 0) << "nothing before the changes have settled";
    EXPECT_EQ(timers_.calls, (std::vector<std::string>{"set#3 1000", "set#3 1000", "set#3 1000"}));
    EXPECT_TRUE(Fire(kScreenSettleTimerId));
    EXPECT_EQ(arranged_, 1);
    EXPECT_EQ(timers_.calls.back(), "kill#3");
    EXPECT_FALSE(Fire(kRefreshTimerId)) << "the refresh's tick is the refresh's";
    EXPECT_EQ(arranged_, 1);
}

TEST_F(DesktopFollowerTest, ARestartedShellIsLookedForUntilItsDesktopHoldsIcons) {
    desktop_.RemoveShell();
    EXPECT_FALSE(Send(::RegisterWindowMessageW(L"TaskbarCreated")));
    EXPECT_EQ(timers_.calls, (std::vector<std::string>{"set#4 250"}));
    EXPECT_TRUE(Fire(kShellLookTimerId));
    EXPECT_TRUE(Fire(kShellLookTimerId));
    EXPECT_EQ(arranged_, 0) << "no desktop yet";
    desktop_.ReturnShell();
    EXPECT_TRUE(Fire(kShellLookTimerId));
    EXPECT_EQ(arranged_, 1);
    EXPECT_EQ(timers_.calls.back(), "kill#4");

    // Never found: the looking ends after its bound, without an arrangement.
    desktop_.RemoveShell();
    Send(::RegisterWindowMessageW(L"TaskbarCreated"));
    for (int look = 0; look < kShellLooks; ++look) {
        Fire(kShellLookTimerId);
    }
    EXPECT_EQ(timers_.calls.back(), "kill#4");
    EXPECT_EQ(arranged_, 1);
}

}  // namespace
}  // namespace tavrel
