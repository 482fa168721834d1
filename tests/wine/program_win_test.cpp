// tavrel.exe itself, started as a user starts it, against the stand-in
// desktop and the real registry of the test prefix.
#include <windows.h>
#include <shellapi.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/commands.h"
#include "core/refresh_timer_win.h"
#include "common/error_report_win.h"
#include "common/scope_exit.h"
#include "app/application_window_win.h"
#include "app/control_window_win.h"
#include "styling/balloon_hint_win.h"
#include "core/registry_win.h"
#include "core/settings_store.h"
#include "desktop/desktop_win.h"
#include "standin_desktop/standin_client_win.h"
#include "support/program_win.h"
#include "windows/contact.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using standin::StandinDesktop;
using testing::ArrangingNothing;
using testing::Command;
using testing::ExitAndExpectCleanEnd;
using testing::IconAt;
using testing::kStartTime;
using testing::RunningProgram;
using testing::StoreSettings;

RegistryKey SettingsKeyForTest() {
    std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    EXPECT_TRUE(key.has_value());
    return key ? std::move(*key) : RegistryKey::Create(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
}

// Settings under which start-up arranges nothing.
// tavrel.exe started over the given stored settings, with its control
// window found.
struct StartedProgram {
    explicit StartedProgram(const Settings& settings) : stored((StoreSettings(settings), true)) {}
    bool stored;
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
};

TEST(Program, FirstStartCreatesTheDefaultsAndAsksTheWelcomeQuestion) {
    testing::ForgetProgramSettings();
    StandinDesktop standin(40);
    ASSERT_TRUE(standin.Started());
    RunningProgram program;
    ASSERT_TRUE(program.Started());

    HWND question = program.FindWindowOf(L"#32770", kNoticeCaption, kStartTime);
    ASSERT_NE(question, nullptr) << "the welcome question";
    EXPECT_EQ(testing::MessageBoxText(question), kWelcomeText);
    HWND splash = program.FindWindowOf(L"TAboutBox", L"", testing::kPatience);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(::IsWindowVisible(splash)) << "asked while the splash is on the screen";

    // While the question is open the key already holds the defaults and
    // autorun is on.
    RegistryKey key = SettingsKeyForTest();
    EXPECT_EQ(key.ReadInteger(L"Arrage"), 29);
    EXPECT_EQ(key.ReadInteger(L"Skin"), 2);
    EXPECT_EQ(key.ReadInteger(L"TextColor"), 255);
    EXPECT_EQ(key.ReadInteger(L"ShowHideIcon"), 1);
    EXPECT_EQ(key.ReadInteger(L"FlashScreen"), 60);
    EXPECT_EQ(key.ReadInteger(L"CustomCount"), 0);
    EXPECT_EQ(key.ReadInteger(L"CustomCharacterCount"), 0);
    std::optional<RegistryKey> run = RegistryKey::Open(HKEY_LOCAL_MACHINE, kRunKeyPath);
    ASSERT_TRUE(run.has_value());
    const std::wstring autorun = run->ReadString(kProductName);
    EXPECT_NE(autorun.find(L"tavrel.exe"), std::wstring::npos) << "the program's own path";

    // No: the program goes on with the defaults: the clock in red captions;
    // the splash goes.
    ::PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDNO, 0), 0);
    EXPECT_TRUE(testing::WaitUntil([&] { return standin.ReadState().textColor == 255u; },
                                   testing::kPatience));
    EXPECT_TRUE(testing::WaitUntil([&] { return !::IsWindow(splash); }, testing::kPatience));
    EXPECT_EQ(standin.ReadState().textBackColor, CLR_NONE);
    ExitAndExpectCleanEnd(program);
}

TEST(Program, LaterStartsAskNothingAndPerformTheStoredArrangement) {
    Settings settings;
    settings.arrage = 1;
    StoreSettings(settings);
    StandinDesktop standin(40);
    RunningProgram program;
    ASSERT_NE(testing::ControlWindowOf(program), nullptr);
    EXPECT_TRUE(testing::WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience));
    // The start-up has ended: the question would hold it up.
    EXPECT_EQ(program.FindWindowOf(L"#32770", L"", 0ms), nullptr) << "no question the second time";
    ExitAndExpectCleanEnd(program);
}

TEST(Program, RefreshPutsTheIconsBackAndTheChoiceSurvivesARestart) {
    Settings settings;
    settings.flashScreen = 1;
    settings.arrage = 1;
    StoreSettings(settings);
    StandinDesktop standin(4);
    {
        RunningProgram program;
        HWND control = testing::ControlWindowOf(program);
        ASSERT_NE(control, nullptr);
        ASSERT_TRUE(
            testing::WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience));
        Win32Desktop desktop;
        desktop.MoveDesktopIcon(desktop.FindDesktopListView(), 0, 600, 600);
        EXPECT_TRUE(
            testing::WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience))
            << "refreshed";

        Command(control, ArrangementCommand(21));
        EXPECT_TRUE(IconAt(standin, 1, 502, 13)) << "the circle's top icon";
        ExitAndExpectCleanEnd(program);
    }
    EXPECT_EQ(SettingsKeyForTest().ReadInteger(L"Arrage"), 21) << "saved at exit";
    Win32Desktop desktop;
    desktop.MoveDesktopIcon(desktop.FindDesktopListView(), 1, 600, 600);
    RunningProgram again;
    ASSERT_NE(testing::ControlWindowOf(again), nullptr);
    EXPECT_TRUE(
        testing::WaitUntil([&] { return IconAt(standin, 1, 502, 13); }, testing::kPatience));
    ExitAndExpectCleanEnd(again);
}

TEST(Program, ASecondCopyEndsAtOnceAndChangesNothing) {
    Settings settings;
    settings.arrage = 0;
    StoreSettings(settings);
    RunningProgram first;
    ASSERT_NE(testing::ControlWindowOf(first), nullptr);
    RunningProgram second;
    // Ends before it makes any window; the time allowed is Wine's to start
    // a process on a loaded machine.
    EXPECT_EQ(second.WaitForExit(20s), std::optional<DWORD>(0));
    EXPECT_EQ(first.WaitForExit(0ms), std::nullopt) << "the first copy runs on";
    ExitAndExpectCleanEnd(first);
}

// What start-up shows when the stored settings are damaged.
std::wstring StartAndReadError(const std::function<void(const RegistryKey&)>& damage) {
    StoreSettings(Settings{});
    damage(SettingsKeyForTest());
    RunningProgram program;
    HWND box = program.FindWindowOf(L"#32770", kApplicationTitle, kStartTime);
    if (box == nullptr) {
        return L"(no error box)";
    }
    const std::wstring text = testing::MessageBoxText(box);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    // The program keeps running after the report.
    HWND control = testing::ControlWindowOf(program);
    EXPECT_NE(control, nullptr);
    if (control != nullptr) {
        ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdExit, 0), 0);
        EXPECT_EQ(program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
    }
    return text;
}

TEST(Program, DamagedSettingsAreReportedWithTheirExactTexts) {
    EXPECT_EQ(StartAndReadError(
                  [](const RegistryKey& key) { ::RegDeleteValueW(key.get(), L"FlashScreen"); }),
              L"Failed to get data for 'FlashScreen'");
    EXPECT_EQ(
        StartAndReadError([](const RegistryKey& key) { key.WriteString(L"TextColor", L"red"); }),
        L"Invalid data type for 'TextColor'");
    EXPECT_EQ(StartAndReadError(
                  [](const RegistryKey& key) { key.WriteString(L"TextColor", L"0x0000FF"); }),
              L"Failed to get data for 'TextColor'");
}

TEST(Program, UnusualValuesAreKeptAsTheyAre) {
    Settings settings;
    settings.skin = 7;
    settings.flashScreen = 0;
    settings.arrage = 1;
    StoreSettings(settings);
    StandinDesktop standin(3);
    RunningProgram program;
    ASSERT_NE(testing::ControlWindowOf(program), nullptr);
    ASSERT_TRUE(testing::WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience));
    // The start-up has ended: an error of it would still be showing.
    EXPECT_EQ(program.FindWindowOf(L"#32770", L"", 0ms), nullptr) << "no error for skin 7";
    ExitAndExpectCleanEnd(program);
    EXPECT_EQ(SettingsKeyForTest().ReadInteger(L"Skin"), 7);
}

TEST(ControlWindow, ShowsHidesAndDragsByItsCaptionStrip) {
    StandinDesktop standin(20);
    StartedProgram started(ArrangingNothing());
    const RunningProgram& program = started.program;
    HWND control = started.control;
    ASSERT_NE(control, nullptr);
    HWND application = program.FindWindowOf(kApplicationWindowClass, L"Tavrel", testing::kPatience);
    ASSERT_NE(application, nullptr);
    EXPECT_FALSE(::IsWindowVisible(control)) << "starts hidden";

    // A double-click on the notification-area icon shows it.
    ::SendMessageW(control, kTrayMessage, 100, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(::IsWindowVisible(control));
    EXPECT_TRUE(::IsWindowVisible(application)) << "the taskbar button";
    EXPECT_EQ(::GetWindowLongPtrW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    RECT frame{};
    ::GetWindowRect(control, &frame);
    EXPECT_EQ(frame.left, 239);
    EXPECT_EQ(frame.top, 90);
    EXPECT_EQ(frame.right - frame.left, 373);
    EXPECT_EQ(frame.bottom - frame.top, 345);

    // The caption strip drags the window like a title bar; the buttons do
    // not. (The pointer reaches the other process with a little delay.)
    const auto dragsAt = [&](int x, int y, bool expected) {
        testing::PointerTo({x, y});
        return testing::WaitUntil(
            [&] {
                return (::SendMessageW(control, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCAPTION) ==
                       expected;
            },
            testing::kPatience);
    };
    EXPECT_TRUE(dragsAt(239 + 10, 90 + 150, true)) << "the caption strip";
    EXPECT_TRUE(dragsAt(239 + 60, 90 + 30, false)) << "a button";

    // Quit hides it and the taskbar button; the program runs on.
    Command(control, kCmdQuit);
    EXPECT_FALSE(::IsWindowVisible(control));
    EXPECT_FALSE(::IsWindowVisible(application));
    EXPECT_NE(::GetWindowLongPtrW(application, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);

    Command(control, kCmdShowMain);
    EXPECT_TRUE(::IsWindowVisible(control));
    ::SendMessageW(control, WM_CLOSE, 0, 0);  // Alt+F4
    EXPECT_FALSE(::IsWindowVisible(control));
    EXPECT_EQ(program.WaitForExit(0ms), std::nullopt);

    // A button performs its arrangement.
    Command(control, ArrangementCommand(3));
    EXPECT_TRUE(IconAt(standin, 0, 22, 665));
    ExitAndExpectCleanEnd(program);
}

// A button's other notifications (focus, double-click codes of the flat
// buttons) are not clicks: only BN_CLICKED runs its command.
TEST(ControlWindow, ButtonsCommandOnlyWhenClicked) {
    StandinDesktop standin(5);
    StartedProgram started(ArrangingNothing());
    HWND control = started.control;
    ASSERT_NE(control, nullptr);
    // The window appears before its buttons are made.
    HWND button = nullptr;
    ASSERT_TRUE(testing::WaitUntil(
        [&] { return (button = ::GetDlgItem(control, ArrangementCommand(3))) != nullptr; },
        testing::kPatience));
    ::SendMessageW(control, WM_COMMAND, MAKEWPARAM(ArrangementCommand(3), BN_SETFOCUS),
                   reinterpret_cast<LPARAM>(button));
    EXPECT_FALSE(IconAt(standin, 0, 22, 665)) << "a focus notification arranges nothing";
    ::SendMessageW(control, WM_COMMAND, MAKEWPARAM(ArrangementCommand(3), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
    EXPECT_TRUE(IconAt(standin, 0, 22, 665)) << "the click performs arrangement 3";
    ExitAndExpectCleanEnd(started.program);
}

// Asks the shell about the program's notification-area icon the way the
// program would: a modify request succeeds only while the icon is there.
bool TrayIconPresent(HWND control) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof(data);
    data.hWnd = control;
    data.uID = kTrayIconId;
    data.uFlags = NIF_TIP;
    ::lstrcpynW(data.szTip, L"Tavrel！", ARRAYSIZE(data.szTip));
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

TEST(NotificationArea, IconComesBackWhenTheTaskbarIsMadeAnewAndGoesAtExit) {
    StartedProgram started(ArrangingNothing());
    const RunningProgram& program = started.program;
    HWND control = started.control;
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(testing::WaitUntil([&] { return TrayIconPresent(control); }, testing::kPatience));

    // The shell restarts and forgets every icon, then announces its new
    // taskbar.
    NOTIFYICONDATAW gone{};
    gone.cbSize = sizeof(gone);
    gone.hWnd = control;
    gone.uID = kTrayIconId;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &gone));
    EXPECT_FALSE(TrayIconPresent(control));
    ::SendMessageW(control, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconPresent(control));

    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdExit, 0), 0);
    EXPECT_EQ(program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
    EXPECT_FALSE(TrayIconPresent(control)) << "removed at exit";
}

// The program's popup menu once it is on the screen, if it comes.
HWND OpenMenu(const RunningProgram& program, std::chrono::milliseconds wait) {
    HWND menu = nullptr;
    testing::WaitUntil(
        [&] {
            menu = program.FindWindowOf(L"#32768", L"", 0ms);
            return menu != nullptr && ::IsWindowVisible(menu);
        },
        wait);
    return menu != nullptr && ::IsWindowVisible(menu) ? menu : nullptr;
}

// Escape, as the user would press it; the control window is told to cancel
// as well should the key not reach the menu.
bool CloseMenu(HWND control, HWND menu) {
    ::PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    if (testing::WaitUntil([&] { return !::IsWindowVisible(menu); }, testing::kPatience)) {
        return true;
    }
    ::PostMessageW(control, WM_CANCELMODE, 0, 0);
    return testing::WaitUntil([&] { return !::IsWindowVisible(menu); }, testing::kPatience);
}

TEST(NotificationArea, ClicksOpenTheMenusAndADoubleClickTheControlWindow) {
    StartedProgram started(ArrangingNothing());
    const RunningProgram& program = started.program;
    HWND control = started.control;
    ASSERT_NE(control, nullptr);

    ::PostMessageW(control, kTrayMessage, kTrayIconId, WM_LBUTTONUP);
    HWND menu = OpenMenu(program, testing::kPatience);
    ASSERT_NE(menu, nullptr) << "left click: the arrangement menu";
    EXPECT_TRUE(CloseMenu(control, menu));

    ::PostMessageW(control, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
    menu = OpenMenu(program, testing::kPatience);
    ASSERT_NE(menu, nullptr) << "right click: the program menu";
    EXPECT_TRUE(CloseMenu(control, menu));

    ::PostMessageW(control, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(testing::WaitUntil([&] { return ::IsWindowVisible(control) != FALSE; },
                                   testing::kPatience));
    ExitAndExpectCleanEnd(program);
}

TEST(NotificationArea, AnAutorunValueOfTheWrongTypeIsReportedAndTheMenuStaysShut) {
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath).WriteInteger(kProductName, 7);
    StartedProgram started(ArrangingNothing());
    const RunningProgram& program = started.program;
    HWND control = started.control;
    ASSERT_NE(control, nullptr);
    ::PostMessageW(control, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
    HWND box = program.FindWindowOf(L"#32770", kApplicationTitle, testing::kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(testing::MessageBoxText(box), L"Invalid data type for 'Tavrel'");
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    ASSERT_TRUE(testing::WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience));
    // Once the program has handled what came before, a menu would be open.
    ASSERT_TRUE(testing::SettingsOnceIdle(control));
    EXPECT_EQ(OpenMenu(program, 0ms), nullptr) << "the menu does not open";
    testing::ForgetProgramSettings();
    ExitAndExpectCleanEnd(program);
}

TEST(ControlWindow, StaysShownAfterAMessageBox) {
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath).WriteInteger(kProductName, 7);
    StartedProgram started(ArrangingNothing());
    const RunningProgram& program = started.program;
    HWND control = started.control;
    ASSERT_NE(control, nullptr);
    ::SendMessageW(control, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(::IsWindowVisible(control));

    // The error report takes the focus and gives it back.
    ::PostMessageW(control, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
    HWND box = program.FindWindowOf(L"#32770", kApplicationTitle, testing::kPatience);
    ASSERT_NE(box, nullptr);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    ASSERT_TRUE(testing::WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience));
    ASSERT_TRUE(testing::SettingsOnceIdle(control));
    EXPECT_TRUE(::IsWindowVisible(control));
    testing::ForgetProgramSettings();
    ExitAndExpectCleanEnd(program);
}

// Over each kind of tool of the control window its hint shows as a balloon
// whose tail touches the pointer, with its text exactly.
TEST(ControlWindow, HintsShowAsBalloons) {
    StandinDesktop standin(5);
    StartedProgram started(ArrangingNothing());
    const RunningProgram& program = started.program;
    HWND control = started.control;
    ASSERT_NE(control, nullptr);
    ::SendMessageW(control, kTrayMessage, kTrayIconId, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(::IsWindowVisible(control));
    HWND hint = program.FindWindowOf(kBalloonHintWindowClass, L"", testing::kPatience);
    ASSERT_NE(hint, nullptr);
    // Under Wine's virtual desktop the stand-in desktop's window comes up
    // above the program's windows when a top-most window goes away (its
    // guard against being raised never hears of it), and then the pointer
    // is over the desktop. Here the desktop is not needed: it stays hidden.
    HWND standinDesktop = ::FindWindowW(L"Progman", nullptr);
    ::ShowWindow(standinDesktop, SW_HIDE);
    const scope_exit showDesktop([&] { ::ShowWindow(standinDesktop, SW_SHOWNOACTIVATE); });

    const auto hintText = [&] {
        wchar_t text[300] = {};
        ::GetWindowTextW(hint, text, 300);
        return std::wstring(text);
    };
    struct Case {
        int x;  // in the control window
        int y;
        const wchar_t* text;
    };
    const Case cases[] = {
        {146 + 27, 176 + 27, L"21.圆形"},
        {30 + 27, 2 + 27, L" 1.上边(左→右) "},
        {320 + 27, 292 + 27, L"演示全部效果，让你一次看个够！"},
        {2 + 11, 317 + 11, L"关闭这个控制面板！"},
        {12, 150, L"Tavrel！"},
        {88 + 27, 292 + 27, L"点一下，图标就排好队！"},
    };
    for (const Case& c : cases) {
        const int x = 239 + c.x;
        const int y = 90 + c.y;
        EXPECT_TRUE(testing::WaitWithPointerAt(
            {x, y}, [&] { return ::IsWindowVisible(hint) && hintText() == c.text; }))
            << "over " << c.x << "," << c.y << " the hint reads " << hintText();
        // Up and to the right where there is room: the tail's tip at the
        // pointer's x, 5 pixels above it. Under Wine the position before a
        // move may still be read back for a moment after the move, and the
        // balloon then goes there: such a hint is shown again from outside
        // the window, at most twice more.
        RECT balloon{};
        POINT pointer{};
        for (int attempt = 0; attempt < 3; ++attempt) {
            ::GetWindowRect(hint, &balloon);
            ::GetCursorPos(&pointer);
            if (balloon.left == pointer.x && balloon.bottom == pointer.y - 5) {
                break;
            }
            testing::WaitWithPointerAt({900, 700}, [&] { return !::IsWindowVisible(hint); });
            testing::WaitWithPointerAt(
                {x, y}, [&] { return ::IsWindowVisible(hint) && hintText() == c.text; });
        }
        EXPECT_EQ(balloon.left, pointer.x);
        EXPECT_EQ(balloon.bottom, pointer.y - 5);
        if (c.text == cases[0].text) {
            EXPECT_TRUE(testing::SaveScreenshot(L"control-window-hint.bmp"));
        }
    }
    ExitAndExpectCleanEnd(program);
}

TEST(ShowHideAllIcons, HidesTheDesktopAndBringsItBackUnchanged) {
    Settings settings;
    settings.arrage = 1;
    StoreSettings(settings);
    StandinDesktop standin(12);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    // The whole arrangement is in place once its last icon is.
    ASSERT_TRUE(testing::WaitUntil([&] { return IconAt(standin, 11, 22 + 77 * 11, 2); },
                                   testing::kPatience));
    const auto before = standin.ReadState();
    // Start-up ends when the splash goes; only then do the toggles come
    // one after the other as a user's would.
    ASSERT_TRUE(testing::WaitUntil(
        [&] {
            HWND splash = program.FindWindowOf(L"TAboutBox", L"", 0ms);
            return splash == nullptr || !::IsWindowVisible(splash);
        },
        testing::kPatience));

    // The shell's window is another process's: its state may take a moment
    // to reach this one.
    const auto desktopShown = [&](bool shown) {
        return testing::WaitUntil(
            [&] { return (::IsWindowVisible(standin.Progman()) != FALSE) == shown; },
            testing::kPatience);
    };
    Command(control, kCmdShowHideAllIcon);
    EXPECT_TRUE(desktopShown(false));
    Command(control, kCmdShowHideAllIcon);
    EXPECT_TRUE(desktopShown(true));
    const auto after = standin.ReadState();
    for (std::size_t i = 0; i < before.items.size(); ++i) {
        EXPECT_EQ(after.items[i].x, before.items[i].x);
        EXPECT_EQ(after.items[i].y, before.items[i].y);
    }
    Command(control, kCmdShowHideAllIcon);
    EXPECT_TRUE(desktopShown(false));
    ExitAndExpectCleanEnd(program);
    EXPECT_EQ(SettingsKeyForTest().ReadInteger(L"ShowHideIcon"), 0) << "saved at exit";
    EXPECT_FALSE(::IsWindowVisible(standin.Progman())) << "ending while hidden leaves them hidden";
}

struct ClassSearch {
    DWORD process;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectVisible(HWND window, LPARAM data) {
    auto* search = reinterpret_cast<ClassSearch*>(data);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    if (process == search->process && std::wstring(name) == search->className &&
        ::IsWindowVisible(window)) {
        search->found.push_back(window);
    }
    return TRUE;
}

// The top-level windows of the program with this class, visible ones only.
std::vector<HWND> VisibleWindowsOf(const RunningProgram& program, const wchar_t* className) {
    ClassSearch search{program.ProcessId(), className, {}};
    ::EnumWindows(CollectVisible, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::wstring CaptionOf(HWND window) {
    wchar_t text[128] = {};
    ::GetWindowTextW(window, text, 128);
    return text;
}

TEST(HelpAndAbout, MenuCommandsOpenANewWindowEachTime) {
    StartedProgram started(ArrangingNothing());
    ASSERT_NE(started.control, nullptr);
    ASSERT_TRUE(
        testing::WaitUntil([&] { return VisibleWindowsOf(started.program, L"TAboutBox").empty(); },
                           testing::kPatience))
        << "the splash goes";
    Command(started.control, kCmdAbout);
    Command(started.control, kCmdAbout);
    EXPECT_EQ(VisibleWindowsOf(started.program, L"TAboutBox").size(), 2u)
        << "not modal, one per command";
    Command(started.control, kCmdHelp);
    Command(started.control, kCmdWhatIsNew);
    Command(started.control, kCmdHelp);
    const auto help = VisibleWindowsOf(started.program, L"THelpMe");
    ASSERT_EQ(help.size(), 3u);
    int introductions = 0;
    int histories = 0;
    for (HWND window : help) {
        introductions += CaptionOf(window) == L"帮帮我?" ? 1 : 0;
        histories += CaptionOf(window) == L"有啥新东东?" ? 1 : 0;
    }
    EXPECT_EQ(introductions, 2);
    EXPECT_EQ(histories, 1);
    ExitAndExpectCleanEnd(started.program);
}

TEST(HelpAndAbout, FirstUseTipsInANotice) {
    StartedProgram started(ArrangingNothing());
    ASSERT_NE(started.control, nullptr);
    ::PostMessageW(started.control, WM_COMMAND, MAKEWPARAM(kCmdUseNo1, 0), 0);
    HWND box = started.program.FindWindowOf(L"#32770", kNoticeCaption, testing::kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(testing::MessageBoxText(box), FirstUseText());
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    EXPECT_TRUE(testing::WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience));
    ExitAndExpectCleanEnd(started.program);
}

TEST(HelpAndAbout, AfterTheAboutWindowHadTheFocusTheFirstShowRequestLeavesTheControlWindowHidden) {
    StartedProgram started(ArrangingNothing());
    ASSERT_NE(started.control, nullptr);
    // Shown once, then closed: the control window had the focus last.
    ::SendMessageW(started.control, kTrayMessage, 100, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(testing::WaitUntil([&] { return ::IsWindowVisible(started.control) != FALSE; },
                                   testing::kPatience));
    Command(started.control, kCmdQuit);
    ASSERT_FALSE(::IsWindowVisible(started.control));

    Command(started.control, kCmdAbout);
    ::SendMessageW(started.control, kTrayMessage, 100, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(testing::SettingsOnceIdle(started.control));
    EXPECT_FALSE(::IsWindowVisible(started.control)) << "the activation hid it again";
    ::SendMessageW(started.control, kTrayMessage, 100, WM_LBUTTONDBLCLK);
    EXPECT_TRUE(testing::WaitUntil([&] { return ::IsWindowVisible(started.control) != FALSE; },
                                   testing::kPatience))
        << "the second request shows it";

    // Back from the help window, the shown control window hides itself.
    Command(started.control, kCmdHelp);
    HWND help = started.program.FindWindowOf(L"THelpMe", L"帮帮我?", testing::kPatience);
    ASSERT_NE(help, nullptr);
    ::SendMessageW(started.control, kTrayMessage, 100, WM_LBUTTONDBLCLK);
    ASSERT_TRUE(testing::SettingsOnceIdle(started.control));
    EXPECT_FALSE(::IsWindowVisible(started.control));
    ExitAndExpectCleanEnd(started.program);
}

}  // namespace
}  // namespace tavrel

namespace tavrel {
namespace {

// The error reports of one process on the screen.
struct ReportSearch {
    DWORD processId;
    int count = 0;
};

BOOL CALLBACK CountReport(HWND window, LPARAM context) {
    auto* found = reinterpret_cast<ReportSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t className[32] = {};
    wchar_t caption[32] = {};
    ::GetClassNameW(window, className, 32);
    ::GetWindowTextW(window, caption, 32);
    if (owner == found->processId && std::wstring(className) == L"#32770" &&
        std::wstring(caption) == kApplicationTitle && ::IsWindowVisible(window)) {
        ++found->count;
    }
    return TRUE;
}

int ErrorReportCount(DWORD processId) {
    ReportSearch search{processId};
    ::EnumWindows(CountReport, reinterpret_cast<LPARAM>(&search));
    return search.count;
}

// The user can always reach the program: damaged settings are reported and
// the notification-area icon comes all the same.
TEST(NotificationArea, TheIconComesAfterADamagedSetting) {
    const std::function<void(const RegistryKey&)> damages[] = {
        [](const RegistryKey& key) { ::RegDeleteValueW(key.get(), L"FlashScreen"); },
        [](const RegistryKey& key) { key.WriteString(L"Skin", L"2"); },
    };
    const std::wstring texts[] = {L"Failed to get data for 'FlashScreen'",
                                  L"Invalid data type for 'Skin'"};
    for (int i = 0; i < 2; ++i) {
        StoreSettings(ArrangingNothing());
        damages[i](SettingsKeyForTest());
        RunningProgram program;
        HWND box = program.FindWindowOf(L"#32770", kApplicationTitle, kStartTime);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(testing::MessageBoxText(box), texts[i]);
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        HWND control = testing::ControlWindowOf(program);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(
            testing::WaitUntil([&] { return TrayIconPresent(control); }, testing::kPatience))
            << texts[i];
        ExitAndExpectCleanEnd(program);
    }
}

// A refresh that fails at every tick shows one report at a time, and the
// next one only after the first is closed.
TEST(ErrorReport, ARepeatingFailureDoesNotPileUpBoxes) {
    Settings settings;
    settings.arrage = 30;
    settings.customCharacterCount = 1;
    settings.flashScreen = 1;
    StoreSettings(settings);
    RegistryKey::Create(HKEY_LOCAL_MACHINE, std::wstring(kSettingsKeyPath) + L"\\CustomCharacter")
        .WriteString(L"CustomCharacter1", L"A");
    StandinDesktop standin(5);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(testing::WaitUntil([&] { return TrayIconPresent(control); }, testing::kPatience));

    // The stored text becomes unreadable: every refresh now fails.
    RegistryKey::Create(HKEY_LOCAL_MACHINE, std::wstring(kSettingsKeyPath) + L"\\CustomCharacter")
        .WriteInteger(L"CustomCharacter1", 5);
    HWND box = program.FindWindowOf(L"#32770", kApplicationTitle, testing::kPatience);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(testing::MessageBoxText(box), L"Invalid data type for 'CustomCharacter1'");
    // Three more ticks while the report is open, then a command whose end
    // the desktop shows: once the captions are transparent again, the
    // ticks have come and gone.
    ::SendMessageW(standin.ListView(), LVM_SETTEXTBKCOLOR, 0, RGB(0, 94, 140));
    for (int tick = 0; tick < 3; ++tick) {
        ::PostMessageW(control, WM_TIMER, kRefreshTimerId, 0);
    }
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdIconTextTransparence, 0), 0);
    ASSERT_TRUE(testing::WaitUntil([&] { return standin.ReadState().textBackColor == CLR_NONE; },
                                   testing::kPatience));
    EXPECT_EQ(ErrorReportCount(program.ProcessId()), 1) << "three more ticks, still one box";

    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    ASSERT_TRUE(testing::WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience));
    EXPECT_TRUE(testing::WaitUntil([&] { return ErrorReportCount(program.ProcessId()) == 1; },
                                   testing::kPatience))
        << "the next failure is shown once the first report is closed";
    HWND next = program.FindWindowOf(L"#32770", kApplicationTitle, 1s);
    // Repair the text so that the program can be ended cleanly.
    RegistryKey::Create(HKEY_LOCAL_MACHINE, std::wstring(kSettingsKeyPath) + L"\\CustomCharacter")
        .WriteString(L"CustomCharacter1", L"A");
    if (next != nullptr) {
        ::PostMessageW(next, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
    }
    ASSERT_TRUE(testing::WaitUntil([&] { return ErrorReportCount(program.ProcessId()) == 0; },
                                   testing::kPatience));
    ExitAndExpectCleanEnd(program);
}

}  // namespace
}  // namespace tavrel
