// The Win32 desktop access against a real list view in another process.
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

TEST(Win32Desktop, WorkAreaIsTheTestScreen) {
    Win32Desktop desktop;
    if (::GetSystemMetrics(SM_CXSCREEN) != 1024) {
        GTEST_SKIP() << "another screen size";
    }
    const WorkAreaRect area = desktop.GetDesktopWorkArea();
    EXPECT_EQ(area.right - area.left, 1024);
    EXPECT_EQ(area.bottom - area.top, 738);
}

// Run on an 800 x 600 screen by its own test entry; skipped elsewhere.
TEST(OtherScreen, FiguresFollowTheWorkArea) {
    Win32Desktop desktop;
    const WorkAreaRect area = desktop.GetDesktopWorkArea();
    if (area.right - area.left != 800 || area.bottom - area.top != 600) {
        GTEST_SKIP() << "not the 800 x 600 screen";
    }
    StandinDesktop standin(1);
    ASSERT_TRUE(standin.Started());
    ArrangeRightEdge(desktop, 75, 1);
    EXPECT_EQ(standin.ReadState().items[0].x, 800 - 55);
    ArrangeBottomEdge(desktop, 75, 2);
    EXPECT_EQ(standin.ReadState().items[0].x, 800 - 50);
    EXPECT_EQ(standin.ReadState().items[0].y, 600 - 73);
}

TEST(Win32Desktop, WithoutADesktopNothingHappensAndNothingBreaks) {
    ASSERT_EQ(::FindWindowW(L"Progman", nullptr), nullptr);
    Win32Desktop desktop;
    const ListViewHandle handle = desktop.FindDesktopListView();
    EXPECT_FALSE(handle);
    EXPECT_EQ(desktop.GetDesktopIconCount(handle), 0);
    desktop.MoveDesktopIcon(handle, 0, 22, 2);
    ApplyIconTextColors(desktop, 255, kClrNone);
    ArrangeTopEdge(desktop, 75, 1);
    desktop.ShowDesktopWindow(0);
    desktop.ShowDesktopWindow(1);
    EXPECT_EQ(desktop.OpenIconReader(), nullptr);
}

TEST(Win32Desktop, FindsTheListViewAndCountsItsIcons) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    const ListViewHandle handle = desktop.FindDesktopListView();
    ASSERT_TRUE(handle);
    wchar_t className[64] = {};
    ::GetClassNameW(reinterpret_cast<HWND>(handle.value), className, 64);
    EXPECT_STREQ(className, WC_LISTVIEWW);
    EXPECT_EQ(desktop.GetDesktopIconCount(handle), 14);
}

TEST(Win32Desktop, EdgeFiguresLandWhereTheTableSays) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;

    ArrangeTopEdge(desktop, 75, 1);
    StandinState state = standin.ReadState();
    ASSERT_EQ(state.items.size(), 14u);
    EXPECT_EQ(state.items[0].x, 22);
    EXPECT_EQ(state.items[0].y, 2);
    EXPECT_EQ(state.items[12].x, 946);
    EXPECT_EQ(state.items[13].x, 22);
    EXPECT_EQ(state.items[13].y, 77);

    ArrangeLeftEdge(desktop, 75, 2);
    state = standin.ReadState();
    EXPECT_EQ(state.items[0].y, 675);
    EXPECT_EQ(state.items[9].y, 0);
    EXPECT_EQ(state.items[10].x, 99);

    ArrangeRightEdge(desktop, 75, 1);
    state = standin.ReadState();
    EXPECT_EQ(state.items[0].x, 969);
    EXPECT_EQ(state.items[10].x, 892);
}

TEST(Win32Desktop, OneMessagePerMovedIcon) {
    StandinDesktop standin(14);
    ASSERT_TRUE(standin.Started());
    standin.ClearJournal();
    Win32Desktop desktop;
    ArrangeBottomEdge(desktop, 75, 2);
    const StandinState state = standin.ReadState();
    ASSERT_EQ(state.journal.size(), 14u);
    for (std::size_t i = 0; i < state.journal.size(); ++i) {
        EXPECT_EQ(state.journal[i].message, static_cast<UINT>(LVM_SETITEMPOSITION));
        EXPECT_EQ(state.journal[i].wParam, i);
    }
}

TEST(Win32Desktop, CoordinatesTravelAsTheirLow16Bits) {
    StandinDesktop standin(2);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    const ListViewHandle handle = desktop.FindDesktopListView();
    desktop.MoveDesktopIcon(handle, 0, 70000, 5);
    desktop.MoveDesktopIcon(handle, 1, 10, -10);
    const StandinState state = standin.ReadState();
    EXPECT_EQ(state.items[0].x, 4464);
    EXPECT_EQ(state.items[0].y, 5);
    EXPECT_EQ(state.items[1].y, -10);
    EXPECT_EQ(state.journal.back().lParam & 0xFFFFFFFF, 0xFFF6000A);
}

TEST(Win32Desktop, ApplyIconTextColorsMakesCaptionsTransparentAndRedrawsAll) {
    StandinDesktop standin(5);
    ASSERT_TRUE(standin.Started());
    ASSERT_NE(standin.ReadState().textBackColor, CLR_NONE);
    standin.ClearJournal();
    Win32Desktop desktop;
    ApplyIconTextColors(desktop, RGB(255, 0, 0), CLR_NONE);
    const StandinState state = standin.ReadState();
    EXPECT_EQ(state.textColor, static_cast<std::uint32_t>(RGB(255, 0, 0)));
    EXPECT_EQ(state.textBackColor, CLR_NONE);
    ASSERT_EQ(state.journal.size(), 3u);
    EXPECT_EQ(state.journal[0].message, static_cast<UINT>(LVM_SETTEXTCOLOR));
    EXPECT_EQ(state.journal[1].message, static_cast<UINT>(LVM_SETTEXTBKCOLOR));
    EXPECT_EQ(state.journal[2].message, static_cast<UINT>(LVM_REDRAWITEMS));
    EXPECT_EQ(state.journal[2].wParam, 0u);
    EXPECT_EQ(state.journal[2].lParam, 4);
}

TEST(Win32Desktop, HidingAndShowingTheDesktopKeepsEveryIconInPlace) {
    StandinDesktop standin(6);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    ArrangeTopEdge(desktop, 75, 1);
    const StandinState before = standin.ReadState();

    desktop.ShowDesktopWindow(0);
    EXPECT_FALSE(::IsWindowVisible(standin.Progman()));
    desktop.ShowDesktopWindow(7);  // any non-zero value shows
    EXPECT_TRUE(::IsWindowVisible(standin.Progman()));

    const StandinState after = standin.ReadState();
    ASSERT_EQ(after.items.size(), before.items.size());
    for (std::size_t i = 0; i < after.items.size(); ++i) {
        EXPECT_EQ(after.items[i].x, before.items[i].x);
        EXPECT_EQ(after.items[i].y, before.items[i].y);
    }
}

TEST(DesktopIconReader, ReadsCaptionsAndPositionsAcrossTheProcessBoundary) {
    const std::wstring long259(259, L'a');
    const std::wstring long300(300, L'b');
    const std::vector<std::wstring> captions = {L"Readme.txt", L"我的电脑", L"",    L"副本",
                                                L"副本",       long259,     long300};
    StandinDesktop standin(captions);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    ArrangeLeftEdge(desktop, 75, 1);

    auto reader = desktop.OpenIconReader();
    ASSERT_NE(reader, nullptr);
    ASSERT_EQ(reader->Count(), 7);
    const std::vector<std::wstring> expected = {
        L"Readme.txt", L"我的电脑", L"", L"副本", L"副本", long259, std::wstring(259, L'b')};
    for (std::int32_t i = 0; i < 7; ++i) {
        SCOPED_TRACE(i);
        const std::optional<DesktopIcon> icon = reader->ReadIcon(i);
        ASSERT_TRUE(icon.has_value());
        EXPECT_EQ(icon->caption, expected[static_cast<std::size_t>(i)]);
        EXPECT_EQ(icon->x, 22);
        EXPECT_EQ(icon->y, 2 + 75 * i);
    }
}

TEST(DesktopIconReader, AnIconBeyondTheListIsUnreadable) {
    StandinDesktop standin(3);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    auto reader = desktop.OpenIconReader();
    ASSERT_NE(reader, nullptr);
    EXPECT_FALSE(reader->ReadIcon(3).has_value());
    EXPECT_TRUE(reader->ReadIcon(2).has_value());
}

// The shell's own view of the desktop, as a test wants it to answer.
class FakeShellView final : public ShellDesktopView {
  public:
    explicit FakeShellView(bool offered) : offered_(offered) {}
    bool SwitchOffSelfArranging() override {
        ++asked;
        return offered_;
    }
    int asked = 0;

  private:
    bool offered_;
};

bool ListViewStyles(const StandinDesktop& standin, DWORD style, DWORD extended) {
    return (::GetWindowLongPtrW(standin.ListView(), GWL_STYLE) & LVS_AUTOARRANGE) == style &&
           (::SendMessageW(standin.ListView(), LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0) &
            LVS_EX_SNAPTOGRID) == extended;
}

TEST(SwitchingOffSelfArranging, GoesThroughTheShellsViewAndOnlyWithoutItToTheListView) {
    standin::StandinOptions options;
    options.icons = 5;
    options.autoArrange = true;
    options.snapToGrid = true;
    StandinDesktop standin(options);
    ASSERT_TRUE(standin.Started());

    // Where the shell offers its view, that view switches both off and the
    // list view is left to the shell.
    FakeShellView shells(true);
    Win32Desktop throughTheShell(kShellAnswerTimeoutMs, &shells);
    throughTheShell.SwitchOffSelfArranging(throughTheShell.FindDesktopListView());
    EXPECT_EQ(shells.asked, 1);
    EXPECT_TRUE(ListViewStyles(standin, LVS_AUTOARRANGE, LVS_EX_SNAPTOGRID));

    // Without it, the list view's own styles are cleared.
    FakeShellView none(false);
    Win32Desktop withoutIt(kShellAnswerTimeoutMs, &none);
    withoutIt.SwitchOffSelfArranging(withoutIt.FindDesktopListView());
    EXPECT_EQ(none.asked, 1);
    EXPECT_TRUE(ListViewStyles(standin, 0, 0));
    EXPECT_EQ(withoutIt.GetDesktopListStyles(withoutIt.FindDesktopListView()), DesktopListStyles{});

    // A shell that does not answer its windows is not asked through COM,
    // which would wait for it as long as it takes.
    FakeShellView hung(true);
    Win32Desktop busy(300, &hung);
    const ListViewHandle listView = busy.FindDesktopListView();
    standin.Hang(2000);
    busy.SwitchOffSelfArranging(listView);
    EXPECT_EQ(hung.asked, 0);
}

}  // namespace
}  // namespace tavrel
