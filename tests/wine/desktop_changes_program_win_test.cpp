// tavrel.exe on a desktop that changes under it: a new screen size, a
// restarted shell, align-to-grid, and the show/hide command against a
// desktop that is gone, hung or shown again.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "common/error_report_win.h"
#include "app/control_window_win.h"
#include "common/registry_win.h"
#include "core/commands.h"
#include "core/desktop_follower_win.h"
#include "core/menus.h"
#include "core/settings_store.h"
#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"
#include "support/program_win.h"
#include "support/recording_desktop.h"
#include "support/screen_modes_win.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using standin::StandinDesktop;
using testing::Command;
using testing::ExitAndExpectCleanEnd;
using testing::Move;
using testing::RunningProgram;
using testing::WaitUntil;

constexpr int kIcons = 40;

// The stored settings: the top edge (or nothing), and no refresh during a
// test, so that every arrangement seen comes from what the test does.
Settings Stored(std::int32_t arrangement) {
    Settings settings;
    settings.arrage = arrangement;
    settings.flashScreen = 0;
    return settings;
}

// Where the top edge puts the icons on a work area of this size. The
// figure itself is checked against its worked examples elsewhere.
std::vector<Move> TopEdge(int width, int height) {
    testing::RecordingDesktop desktop(kIcons, width, height);
    ArrangeTopEdge(desktop, 75, 1);
    return desktop.moves;
}

bool IconsAt(const StandinDesktop& standin, const std::vector<Move>& figure) {
    const standin::StandinState state = standin.ReadState();
    if (state.items.size() != figure.size()) {
        return false;
    }
    for (const Move& move : figure) {
        const standin::StandinItem& item = state.items[static_cast<std::size_t>(move.index)];
        if (item.x != move.x || item.y != move.y) {
            return false;
        }
    }
    return true;
}

std::size_t MovesIn(const standin::StandinState& state) {
    std::size_t moves = 0;
    for (const standin::StandinJournalEntry& entry : state.journal) {
        moves += entry.message == LVM_SETITEMPOSITION ? 1 : 0;
    }
    return moves;
}

TEST(ScreenChange, TheFigureFollowsANewScreenOnceTheChangesHaveSettled) {
    testing::StoreSettings(Stored(1));
    StandinDesktop standin(kIcons);
    RunningProgram program;
    ASSERT_NE(testing::ControlWindowOf(program), nullptr);
    const std::vector<Move> wide = TopEdge(1024, 738);
    ASSERT_TRUE(WaitUntil([&] { return IconsAt(standin, wide); }, testing::kPatience));

    testing::ScreenModes modes;
    standin.ClearJournal();
    // A burst, as docking a laptop gives: one arrangement, for the last.
    // Each change is told to the program before the change returns, so the
    // changes came within the program's pause when they came within it
    // here; on a machine too busy for that, they were no burst (the pause
    // itself is checked on timers of the test's own).
    const auto burstStart = std::chrono::steady_clock::now();
    ASSERT_TRUE(testing::ScreenModes::Set(800, 600));
    ASSERT_TRUE(testing::ScreenModes::Set(640, 480));
    ASSERT_TRUE(testing::ScreenModes::Set(800, 600));
    const bool burst =
        std::chrono::steady_clock::now() - burstStart < std::chrono::milliseconds(kScreenSettleMs);
    EXPECT_TRUE(WaitUntil([&] { return IconsAt(standin, TopEdge(800, 600)); }, testing::kPatience));
    if (burst) {
        EXPECT_EQ(MovesIn(standin.ReadState()), static_cast<std::size_t>(kIcons));
    } else {
        std::printf("the three changes took longer than the pause: no burst to count\n");
    }

    // And back.
    ASSERT_TRUE(testing::ScreenModes::Set(1024, 738));
    EXPECT_TRUE(WaitUntil([&] { return IconsAt(standin, wide); }, testing::kPatience));
    ExitAndExpectCleanEnd(program);
}

TEST(ShellRestart, TheNewDesktopGetsTheFigureOnceItHoldsIcons) {
    testing::StoreSettings(Stored(1));
    auto standin = std::make_unique<StandinDesktop>(kIcons);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    const std::vector<Move> figure = TopEdge(1024, 738);
    ASSERT_TRUE(WaitUntil([&] { return IconsAt(*standin, figure); }, testing::kPatience));

    // The shell ends, says its taskbar is new before its desktop is back,
    // and only then makes the desktop anew with its icons in their column.
    standin.reset();
    ::SendMessageW(control, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    standin = std::make_unique<StandinDesktop>(kIcons);
    ASSERT_TRUE(standin->Started());
    EXPECT_TRUE(WaitUntil([&] { return IconsAt(*standin, figure); }, testing::kPatience));
    ExitAndExpectCleanEnd(program);
}

standin::StandinOptions Snapping() {
    standin::StandinOptions options;
    options.icons = kIcons;
    options.snapToGrid = true;
    return options;
}

// The program on a desktop that snaps its icons, the top edge chosen and
// the question that follows answered.
class SnappingDesktopTest : public ::testing::Test {
  protected:
    void ChooseTopEdgeAndAnswer(int answer) {
        ::PostMessageW(control_, WM_COMMAND, MAKEWPARAM(ArrangementCommand(1), 0), 0);
        HWND question = program_.FindWindowOf(L"#32770", kNoticeCaption, testing::kStartTime);
        ASSERT_NE(question, nullptr);
        EXPECT_EQ(testing::MessageBoxText(question), kSelfArrangingQuestionText);
        ::PostMessageW(question, WM_COMMAND, MAKEWPARAM(answer, 0), 0);
    }

    const bool stored_ = (testing::StoreSettings(Stored(0)), true);
    StandinDesktop standin_{Snapping()};
    RunningProgram program_;
    HWND control_ = testing::ControlWindowOf(program_);
    const std::vector<Move> figure_ = TopEdge(1024, 738);
};

TEST_F(SnappingDesktopTest, NoLeavesTheIconsSnappedAndIsAskedOncePerRun) {
    ASSERT_NE(control_, nullptr);
    ChooseTopEdgeAndAnswer(IDNO);
    // Arranged all the same, and snapped: the figure cannot show.
    ASSERT_TRUE(
        WaitUntil([&] { return MovesIn(standin_.ReadState()) >= kIcons; }, testing::kPatience));
    EXPECT_FALSE(IconsAt(standin_, figure_));
    // The next choice arranges at once.
    Command(control_, ArrangementCommand(3));
    EXPECT_EQ(MovesIn(standin_.ReadState()), 2u * kIcons);
    ExitAndExpectCleanEnd(program_);
}

TEST_F(SnappingDesktopTest, YesSwitchesSnappingOffAndTheFigureShows) {
    ASSERT_NE(control_, nullptr);
    ChooseTopEdgeAndAnswer(IDYES);
    EXPECT_TRUE(WaitUntil([&] { return IconsAt(standin_, figure_); }, testing::kPatience));
    EXPECT_EQ(
        ::SendMessageW(standin_.ListView(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) & LVS_EX_SNAPTOGRID,
        0);
    ExitAndExpectCleanEnd(program_);
}

TEST(Startup, ACommandThatComesDuringTheStartUpRunsWhenItHasEnded) {
    testing::StoreSettings(Stored(1));
    StandinDesktop standin(kIcons);
    // The shell stops answering for a while in the middle of the stored
    // figure, and the program takes what others send it meanwhile.
    standin.Hang(3000, 5);
    RunningProgram program;
    HWND control = program.FindWindowOf(kControlWindowClass, L"", testing::kStartTime);
    ASSERT_NE(control, nullptr);
    Command(control, ArrangementCommand(3));
    testing::RecordingDesktop bottom(kIcons, 1024, 738);
    ArrangeBottomEdge(bottom, 75, 1);
    EXPECT_TRUE(WaitUntil([&] { return IconsAt(standin, bottom.moves); }, testing::kPatience));
    ExitAndExpectCleanEnd(program);
    std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->ReadInteger(L"Arrage"), 3)
        << "the choice, not the stored arrangement read back over it";
}

// The setting as the program keeps it in memory.
std::int32_t ShowHideIconNow(HWND control) {
    const std::optional<Settings> saved = testing::SettingsOnceIdle(control);
    return saved ? saved->showHideIcon : -1;
}

bool Shown(const StandinDesktop& standin) {
    return ::IsWindowVisible(standin.Holder()) != FALSE;
}

TEST(ShowHideAllIcons, FollowsWhatTheDesktopShowsRightAfterStartUp) {
    // Stored while hidden; the desktop shows its icons again (a restart).
    Settings settings = Stored(0);
    settings.showHideIcon = 0;
    testing::StoreSettings(settings);
    StandinDesktop standin(kIcons);
    RunningProgram program;
    HWND control = program.FindWindowOf(kControlWindowClass, L"", testing::kStartTime);
    ASSERT_NE(control, nullptr);
    // As soon as the window is there, splash or not: a command that comes
    // during the start-up runs when it has ended.
    Command(control, kCmdShowHideAllIcon);
    EXPECT_TRUE(WaitUntil([&] { return !Shown(standin); }, testing::kPatience))
        << "a shown desktop is hidden";
    EXPECT_EQ(ShowHideIconNow(control), 0);
    Command(control, kCmdShowHideAllIcon);
    EXPECT_TRUE(WaitUntil([&] { return Shown(standin); }, testing::kPatience));
    EXPECT_EQ(ShowHideIconNow(control), 1);
    ExitAndExpectCleanEnd(program);
}

TEST(ShowHideAllIcons, ADesktopThatIsGoneOrHungChangesNothing) {
    testing::StoreSettings(Stored(0));
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    Command(control, kCmdShowHideAllIcon);
    EXPECT_EQ(ShowHideIconNow(control), 1) << "no desktop";

    StandinDesktop standin(kIcons);
    ASSERT_TRUE(standin.Started());
    standin.Hang(8000);
    Command(control, kCmdShowHideAllIcon);
    EXPECT_EQ(ShowHideIconNow(control), 1) << "a hung desktop";
    EXPECT_TRUE(WaitUntil(
        [&] {
            return ::SendMessageTimeoutW(standin.Holder(), WM_NULL, 0, 0, SMTO_NORMAL, 100,
                                         nullptr) != 0;
        },
        testing::kPatience));
    EXPECT_TRUE(Shown(standin));
    Command(control, kCmdShowHideAllIcon);
    EXPECT_TRUE(WaitUntil([&] { return !Shown(standin); }, testing::kPatience))
        << "answering again";
    EXPECT_EQ(ShowHideIconNow(control), 0);
    ExitAndExpectCleanEnd(program);
}

}  // namespace
}  // namespace tavrel
