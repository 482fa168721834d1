// A shell that stops answering: every operation gives up after one time-out
// at most, as if there were no desktop, and the next one tries again.
#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>

#include <gtest/gtest.h>

#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using standin::StandinDesktop;
using standin::StandinState;

// Short, so that the tests stay quick; the real one is tested last.
constexpr std::uint32_t kTimeoutMs = 300;
constexpr auto kTimeout = std::chrono::milliseconds(kTimeoutMs);
// Room for a loaded machine on top of one time-out; one time-out per icon
// would be 14 of them.
constexpr auto kLeeway = 1500ms;
constexpr unsigned kHangMs = 2500;

template <typename Action>
std::chrono::milliseconds Timed(Action action) {
    const auto from = Clock::now();
    action();
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - from);
}

TEST(ShellThatDoesNotAnswer, AnArrangementCostsOneTimeOutMovesNothingAndTheNextOneArranges) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    const StandinState before = standin.ReadState();
    standin.ClearJournal();
    Win32Desktop desktop(kTimeoutMs);

    standin.Hang(kHangMs);
    const auto took = Timed([&] { ArrangeLeftEdge(desktop, 75, 2); });
    EXPECT_GE(took, kTimeout - 50ms);
    EXPECT_LT(took, kTimeout + kLeeway);

    const StandinState during = standin.ReadState();  // answers once awake
    EXPECT_TRUE(during.journal.empty()) << "no icon moved";
    ASSERT_EQ(during.items.size(), before.items.size());
    for (std::size_t i = 0; i < during.items.size(); ++i) {
        EXPECT_EQ(during.items[i].x, before.items[i].x);
        EXPECT_EQ(during.items[i].y, before.items[i].y);
    }

    ArrangeLeftEdge(desktop, 75, 2);
    const StandinState after = standin.ReadState();
    EXPECT_EQ(after.journal.size(), 14u);
    EXPECT_EQ(after.items[0].y, 675);
    EXPECT_EQ(after.items[9].y, 0);
    EXPECT_EQ(after.items[10].x, 99);
}

TEST(ShellThatDoesNotAnswer, AShellThatStopsHalfWayCostsOneTimeOutNotOnePerIcon) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    const StandinState before = standin.ReadState();
    standin.ClearJournal();
    Win32Desktop desktop(kTimeoutMs);

    standin.Hang(kHangMs, /*afterMoves=*/3);
    const auto took = Timed([&] { ArrangeLeftEdge(desktop, 75, 2); });
    EXPECT_GE(took, kTimeout - 50ms);
    EXPECT_LT(took, kTimeout + kLeeway);

    const StandinState state = standin.ReadState();
    // Three moves, and the one given up, which may still arrive late.
    ASSERT_GE(state.journal.size(), 3u);
    ASSERT_LE(state.journal.size(), 4u);
    for (std::size_t i = 0; i < state.journal.size(); ++i) {
        EXPECT_EQ(state.journal[i].message, static_cast<UINT>(LVM_SETITEMPOSITION));
        EXPECT_EQ(state.journal[i].wParam, i);
    }
    EXPECT_EQ(state.items[0].y, 675);
    for (std::size_t i = 4; i < state.items.size(); ++i) {
        EXPECT_EQ(state.items[i].x, before.items[i].x) << "icon " << i;
        EXPECT_EQ(state.items[i].y, before.items[i].y) << "icon " << i;
    }
}

TEST(ShellThatDoesNotAnswer, ColoursShowHideAndStylesGiveUpAtOnce) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    standin.ClearJournal();
    Win32Desktop desktop(kTimeoutMs);

    standin.Hang(kHangMs);
    const auto colours = Timed([&] { ApplyIconTextColors(desktop, RGB(0, 255, 0), CLR_NONE); });
    EXPECT_LT(colours, kTimeout + kLeeway);
    const auto hide = Timed([&] { desktop.ShowDesktopWindow(0); });
    EXPECT_LT(hide, kTimeout + kLeeway);
    DesktopListStyles styles{true, true};
    const auto query =
        Timed([&] { styles = desktop.GetDesktopListStyles(desktop.FindDesktopListView()); });
    EXPECT_LT(query, kTimeout + kLeeway);
    EXPECT_EQ(styles, DesktopListStyles{});

    const StandinState state = standin.ReadState();
    // The one message that was given up may still reach the shell when it
    // wakes; none after it was sent.
    ASSERT_LE(state.journal.size(), 1u);
    if (!state.journal.empty()) {
        EXPECT_EQ(state.journal[0].message, static_cast<UINT>(LVM_SETTEXTCOLOR));
    }
    EXPECT_NE(state.textBackColor, CLR_NONE);
    EXPECT_TRUE(::IsWindowVisible(standin.Holder())) << "not hidden by a shell that did not answer";

    ApplyIconTextColors(desktop, RGB(0, 255, 0), CLR_NONE);
    EXPECT_EQ(standin.ReadState().textBackColor, CLR_NONE);
    desktop.ShowDesktopWindow(0);
    EXPECT_FALSE(::IsWindowVisible(standin.Holder()));
    desktop.ShowDesktopWindow(1);
}

TEST(ShellThatDoesNotAnswer, TheReaderGivesUpAfterOneTimeOut) {
    StandinDesktop standin(6);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop(kTimeoutMs);
    auto reader = desktop.OpenIconReader();
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Count(), 6);
    ASSERT_TRUE(reader->ReadIcon(0).has_value());

    standin.Hang(kHangMs);
    std::optional<DesktopIcon> icon;
    const auto first = Timed([&] { icon = reader->ReadIcon(1); });
    EXPECT_FALSE(icon.has_value());
    EXPECT_LT(first, kTimeout + kLeeway);
    const auto rest = Timed([&] {
        for (std::int32_t i = 2; i < 6; ++i) {
            EXPECT_FALSE(reader->ReadIcon(i).has_value());
        }
        EXPECT_EQ(reader->Count(), 0);
    });
    EXPECT_LT(rest, 100ms) << "nothing more is sent to a shell that did not answer";
    reader.reset();

    standin.ReadState();  // awake again
    auto again = desktop.OpenIconReader();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Count(), 6);
    EXPECT_TRUE(again->ReadIcon(1).has_value());
}

TEST(ShellThatDoesNotAnswer, TheRealTimeOutIsAFewSeconds) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    standin.Hang(9000);
    const auto arrangement = Timed([&] { ArrangeTopEdge(desktop, 75, 1); });
    EXPECT_GE(arrangement, std::chrono::milliseconds(kShellAnswerTimeoutMs) - 100ms);
    EXPECT_LT(arrangement, std::chrono::milliseconds(kShellAnswerTimeoutMs) + kLeeway);
    // It has now not taken a message for five seconds, and counts as hung:
    // the next operation gives up without waiting.
    const auto next = Timed([&] { ApplyIconTextColors(desktop, 255, CLR_NONE); });
    EXPECT_LT(next, kLeeway);
    std::printf("[ note ] a hung shell: first operation %lld ms, the next one %lld ms\n",
                static_cast<long long>(arrangement.count()), static_cast<long long>(next.count()));
}

}  // namespace
}  // namespace tavrel
