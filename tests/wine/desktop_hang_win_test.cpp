// A shell that stops answering: every operation gives up after one time-out
// at most, as if there were no desktop, and the next one tries again.
#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;
using standin::StandinState;

// Short, so that the tests stay quick; the real one is tested last. The
// hang is shorter than what waiting once per icon would take, so an
// operation that went on sending after its first time-out would reach the
// shell once it wakes, and the journal would show it.
constexpr std::uint32_t kTimeoutMs = 300;
constexpr unsigned kHangMs = 2500;

TEST(ShellThatDoesNotAnswer, AnArrangementCostsOneTimeOutMovesNothingAndTheNextOneArranges) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    const StandinState before = standin.ReadState();
    standin.ClearJournal();
    Win32Desktop desktop(kTimeoutMs);

    standin.Hang(kHangMs);
    ArrangeLeftEdge(desktop, 75, 2);

    const StandinState during = standin.ReadState();  // answers once awake
    // The move given up may still arrive late; none after it was sent.
    ASSERT_LE(during.journal.size(), 1u);
    standin.ClearJournal();
    ASSERT_EQ(during.items.size(), before.items.size());
    for (std::size_t i = 1; i < during.items.size(); ++i) {
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
    ArrangeLeftEdge(desktop, 75, 2);

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
    ApplyIconTextColors(desktop, RGB(0, 255, 0), CLR_NONE);
    desktop.ShowDesktopWindow(0);
    EXPECT_EQ(desktop.GetDesktopListStyles(desktop.FindDesktopListView()), DesktopListStyles{});
    EXPECT_EQ(desktop.DesktopWindowShown(), std::nullopt);

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
    // Enough icons that reading them one time-out each would outlast the
    // hang, and the later ones would be read.
    StandinDesktop standin(40);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop(kTimeoutMs);
    auto reader = desktop.OpenIconReader();
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Count(), 40);
    ASSERT_TRUE(reader->ReadIcon(0).has_value());

    standin.Hang(kHangMs);
    EXPECT_FALSE(reader->ReadIcon(1).has_value());
    for (std::int32_t i = 2; i < 40; ++i) {
        EXPECT_FALSE(reader->ReadIcon(i).has_value())
            << "nothing more is asked of a shell that did not answer";
    }
    EXPECT_EQ(reader->Count(), 0);
    reader.reset();

    standin.ReadState();  // awake again
    auto again = desktop.OpenIconReader();
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(again->Count(), 40);
    EXPECT_TRUE(again->ReadIcon(1).has_value());
}

TEST(ShellThatDoesNotAnswer, TheRealTimeOutIsAFewSeconds) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    standin.ClearJournal();
    Win32Desktop desktop;
    // A shell busy for three seconds is waited for...
    standin.Hang(3000);
    ArrangeTopEdge(desktop, 75, 1);
    EXPECT_EQ(standin.ReadState().journal.size(), 14u) << "every icon moved";

    // ...one that does not answer for nine is given up after one time-out.
    standin.ClearJournal();
    standin.Hang(9000);
    ArrangeLeftEdge(desktop, 75, 1);
    // It has now not taken a message for five seconds and counts as hung:
    // the next operation gives up without waiting, before it wakes.
    ApplyIconTextColors(desktop, RGB(0, 255, 0), CLR_NONE);
    const StandinState state = standin.ReadState();
    ASSERT_LE(state.journal.size(), 1u);
    if (!state.journal.empty()) {
        EXPECT_EQ(state.journal[0].message, static_cast<UINT>(LVM_SETITEMPOSITION));
    }
    EXPECT_NE(state.textColor, RGB(0, 255, 0));
}

}  // namespace
}  // namespace tavrel
