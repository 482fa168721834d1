// Finding the desktop wherever the shell keeps it: the classic layout, the
// view moved into a top-level WorkerW, an empty WorkerW in front of the view
// inside Progman; and never taking a window that is not a list view.
#include "desktop/desktop_win.h"

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "patterns/edges.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;
using standin::StandinLayout;
using standin::StandinOptions;
using standin::StandinState;

HWND ToWindow(ListViewHandle handle) {
    return reinterpret_cast<HWND>(handle.value);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

StandinOptions InLayout(StandinLayout layout, int icons) {
    StandinOptions options;
    options.layout = layout;
    options.icons = icons;
    return options;
}

const char* NameOf(StandinLayout layout) {
    switch (layout) {
        case StandinLayout::kClassic:
            return "classic";
        case StandinLayout::kWorkerW:
            return "WorkerW";
        case StandinLayout::kProgmanWorkerW:
            return "Progman with a WorkerW";
        case StandinLayout::kNone:
            return "none";
    }
    return "?";
}

constexpr StandinLayout kLayouts[] = {StandinLayout::kClassic, StandinLayout::kWorkerW,
                                      StandinLayout::kProgmanWorkerW};

// The layouts are what they claim to be, so that the tests below really
// take the routes they are meant to.
TEST(DesktopLayouts, TheStandinLaysItsWindowsOutAsTheShellsDo) {
    {
        StandinDesktop standin(InLayout(StandinLayout::kWorkerW, 3));
        ASSERT_TRUE(standin.Started());
        EXPECT_EQ(::GetWindow(standin.Progman(), GW_CHILD), nullptr) << "Progman has no children";
        EXPECT_EQ(ClassOf(standin.Holder()), L"WorkerW");
        EXPECT_EQ(::GetAncestor(standin.Holder(), GA_PARENT), ::GetDesktopWindow());
        HWND firstWorker = ::FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr);
        EXPECT_NE(firstWorker, standin.Holder()) << "the empty WorkerW comes first";
        EXPECT_EQ(::GetWindow(firstWorker, GW_CHILD), nullptr);
    }
    {
        StandinDesktop standin(InLayout(StandinLayout::kProgmanWorkerW, 3));
        ASSERT_TRUE(standin.Started());
        EXPECT_EQ(standin.Holder(), standin.Progman());
        HWND first = ::GetWindow(standin.Progman(), GW_CHILD);
        EXPECT_EQ(ClassOf(first), L"WorkerW");
        EXPECT_EQ(::GetWindow(first, GW_CHILD), nullptr) << "the old route ends in nothing";
    }
}

TEST(DesktopLayouts, FiguresColoursCaptionsAndShowHideInEveryLayout) {
    for (const StandinLayout layout : kLayouts) {
        SCOPED_TRACE(NameOf(layout));
        StandinDesktop standin(InLayout(layout, 14));
        ASSERT_TRUE(standin.Started());
        Win32Desktop desktop;

        const ListViewHandle handle = desktop.FindDesktopListView();
        EXPECT_EQ(ToWindow(handle), standin.ListView());
        EXPECT_EQ(ClassOf(ToWindow(handle)), WC_LISTVIEWW);
        EXPECT_EQ(desktop.GetDesktopIconCount(handle), 14);

        ArrangeTopEdge(desktop, 75, 1);
        StandinState state = standin.ReadState();
        ASSERT_EQ(state.items.size(), 14u);
        EXPECT_EQ(state.items[0].x, 22);
        EXPECT_EQ(state.items[0].y, 2);
        EXPECT_EQ(state.items[12].x, 946);
        EXPECT_EQ(state.items[13].y, 77);

        standin.ClearJournal();
        ApplyIconTextColors(desktop, RGB(255, 0, 0), CLR_NONE);
        state = standin.ReadState();
        EXPECT_EQ(state.textColor, static_cast<std::uint32_t>(RGB(255, 0, 0)));
        EXPECT_EQ(state.textBackColor, CLR_NONE);
        ASSERT_EQ(state.journal.size(), 3u);
        EXPECT_EQ(state.journal[2].message, static_cast<UINT>(LVM_REDRAWITEMS));
        EXPECT_EQ(state.journal[2].lParam, 13);

        auto reader = desktop.OpenIconReader();
        ASSERT_NE(reader, nullptr);
        ASSERT_EQ(reader->Count(), 14);
        const std::optional<DesktopIcon> icon = reader->ReadIcon(1);
        ASSERT_TRUE(icon.has_value());
        EXPECT_EQ(icon->caption, L"我的文档");
        EXPECT_EQ(icon->x, 99);
        EXPECT_EQ(icon->y, 2);
        reader.reset();

        const StandinState before = standin.ReadState();
        desktop.ShowDesktopWindow(0);
        EXPECT_FALSE(::IsWindowVisible(standin.Holder()));
        EXPECT_FALSE(::IsWindowVisible(standin.ListView()));
        desktop.ShowDesktopWindow(1);
        EXPECT_TRUE(::IsWindowVisible(standin.Holder()));
        EXPECT_TRUE(::IsWindowVisible(standin.ListView()));
        EXPECT_TRUE(::IsWindowVisible(standin.Progman()));
        const StandinState after = standin.ReadState();
        ASSERT_EQ(after.items.size(), before.items.size());
        for (std::size_t i = 0; i < after.items.size(); ++i) {
            EXPECT_EQ(after.items[i].x, before.items[i].x) << "icon " << i;
            EXPECT_EQ(after.items[i].y, before.items[i].y) << "icon " << i;
        }
    }
}

TEST(DesktopLayouts, HidingInTheWorkerWLayoutLeavesProgmanAlone) {
    StandinDesktop standin(InLayout(StandinLayout::kWorkerW, 4));
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    desktop.ShowDesktopWindow(0);
    EXPECT_FALSE(::IsWindowVisible(standin.Holder()));
    EXPECT_TRUE(::IsWindowVisible(standin.Progman())) << "the window without the view stays";
    desktop.ShowDesktopWindow(1);
    EXPECT_TRUE(::IsWindowVisible(standin.Holder()));
}

TEST(DesktopLayouts, WithoutAViewProgmanIsAllThereIs) {
    StandinDesktop standin(InLayout(StandinLayout::kNone, 0));
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    const ListViewHandle handle = desktop.FindDesktopListView();
    EXPECT_FALSE(handle);
    EXPECT_EQ(desktop.GetDesktopIconCount(handle), 0);
    ArrangeTopEdge(desktop, 75, 1);
    EXPECT_EQ(desktop.OpenIconReader(), nullptr);
    // Show and hide still act on Progman, as they always did.
    desktop.ShowDesktopWindow(0);
    EXPECT_FALSE(::IsWindowVisible(standin.Progman()));
    desktop.ShowDesktopWindow(1);
    EXPECT_TRUE(::IsWindowVisible(standin.Progman()));
}

// Windows of this test's own process, to put things where the shell would
// not: they count every list view message they get.
int g_listViewMessages = 0;
WNDPROC g_staticProc = nullptr;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= LVM_FIRST && message < LVM_FIRST + 0x100) {
        ++g_listViewMessages;
    }
    return ::CallWindowProcW(g_staticProc, window, message, wParam, lParam);
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void RegisterPlainClass(const wchar_t* name) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = PlainProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = name;
    ::RegisterClassW(&windowClass);
}

HWND Child(const wchar_t* className, HWND parent) {
    return ::CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, 0, 0, 100, 100, parent,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

HWND TopLevel(const wchar_t* className) {
    return ::CreateWindowExW(WS_EX_TOOLWINDOW, className, L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                             nullptr, ::GetModuleHandleW(nullptr), nullptr);
}

TEST(DesktopLayouts, AWindowInTheOldPlaceThatIsNoListViewIsNeverSentAListViewMessage) {
    ASSERT_EQ(::FindWindowW(L"Progman", nullptr), nullptr);
    RegisterPlainClass(L"Progman");
    RegisterPlainClass(L"SHELLDLL_DefView");
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);

    HWND progman = TopLevel(L"Progman");
    // The first child's first child: a static text, not a list view.
    HWND decoyParent = Child(L"Static", progman);
    HWND decoy = Child(L"Static", decoyParent);
    g_staticProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(decoy, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
    ASSERT_EQ(::GetWindow(::GetWindow(progman, GW_CHILD), GW_CHILD), decoy);
    g_listViewMessages = 0;

    Win32Desktop desktop;
    EXPECT_FALSE(desktop.FindDesktopListView());
    ArrangeTopEdge(desktop, 75, 1);
    ApplyIconTextColors(desktop, 255, CLR_NONE);
    EXPECT_EQ(g_listViewMessages, 0);

    // A view behind the decoy is found among Progman's children.
    HWND view = Child(L"SHELLDLL_DefView", progman);
    ::SetWindowPos(view, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND list = Child(WC_LISTVIEWW, view);
    ASSERT_EQ(::GetWindow(progman, GW_CHILD), decoyParent);
    EXPECT_EQ(ToWindow(desktop.FindDesktopListView()), list);
    EXPECT_EQ(g_listViewMessages, 0);

    // A view whose first child is the decoy: the old route's two steps hold
    // no list view, and the list view among the view's children is taken.
    ::DestroyWindow(view);
    HWND oldPlaceView = Child(L"SHELLDLL_DefView", progman);
    ::SetWindowPos(oldPlaceView, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    HWND list2 = Child(WC_LISTVIEWW, oldPlaceView);
    HWND static2 = Child(L"Static", oldPlaceView);
    ::SetWindowPos(static2, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_EQ(::GetWindow(::GetWindow(progman, GW_CHILD), GW_CHILD), static2);
    EXPECT_EQ(ToWindow(desktop.FindDesktopListView()), list2);
    ::DestroyWindow(progman);
}

TEST(DesktopLayouts, AWorkerWOfAnotherProcessIsNotTheShells) {
    StandinDesktop standin(InLayout(StandinLayout::kNone, 0));
    ASSERT_TRUE(standin.Started());
    RegisterPlainClass(L"WorkerW");
    RegisterPlainClass(L"SHELLDLL_DefView");
    HWND worker = TopLevel(L"WorkerW");
    HWND view = Child(L"SHELLDLL_DefView", worker);
    Child(WC_LISTVIEWW, view);
    ASSERT_EQ(::FindWindowExW(nullptr, nullptr, L"WorkerW", nullptr), worker);

    Win32Desktop desktop;
    EXPECT_FALSE(desktop.FindDesktopListView());
    desktop.ShowDesktopWindow(0);
    EXPECT_FALSE(::IsWindowVisible(standin.Progman())) << "Progman, not our WorkerW";
    ::DestroyWindow(worker);
}

TEST(DesktopListStyles, TellsAutoArrangeAndAlignToGrid) {
    const struct {
        bool autoArrange;
        bool snapToGrid;
    } cases[] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& styles : cases) {
        SCOPED_TRACE(std::string("auto-arrange ") + (styles.autoArrange ? "on" : "off") +
                     ", align to grid " + (styles.snapToGrid ? "on" : "off"));
        StandinOptions options;
        options.icons = 3;
        options.autoArrange = styles.autoArrange;
        options.snapToGrid = styles.snapToGrid;
        StandinDesktop standin(options);
        ASSERT_TRUE(standin.Started());
        Win32Desktop desktop;
        EXPECT_EQ(desktop.GetDesktopListStyles(desktop.FindDesktopListView()),
                  (DesktopListStyles{styles.autoArrange, styles.snapToGrid}));
    }
}

TEST(DesktopListStyles, NothingToTellWithoutADesktop) {
    ASSERT_EQ(::FindWindowW(L"Progman", nullptr), nullptr);
    Win32Desktop desktop;
    EXPECT_EQ(desktop.GetDesktopListStyles(desktop.FindDesktopListView()), DesktopListStyles{});
}

}  // namespace
}  // namespace tavrel
