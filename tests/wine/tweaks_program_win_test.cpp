// The shell tweaks of tavrel.exe itself: its menu commands sent to the
// running program, their links and registry values read back from the
// prefix's real file system and registry.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <vector>

#include "core/commands.h"
#include "app/control_window_win.h"
#include "core/registry_win.h"
#include "core/settings_store.h"
#include "common/error_report_win.h"
#include "common/prompts_win.h"
#include "standin_desktop/standin_client_win.h"
#include "support/link_reader_win.h"
#include "support/program_win.h"
#include "support/shell_folders_win.h"
#include "tweaks/desktop_tweaks.h"
#include "tweaks/shortcuts.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using standin::StandinDesktop;
using testing::Command;
using testing::ExitAndExpectCleanEnd;
using testing::FileExists;
using testing::IconAt;
using testing::kLinks;
using testing::kStartTime;
using testing::LinkContents;
using testing::QuickLaunchBelowAppData;
using testing::ReadLink;
using testing::RunningProgram;
using testing::WaitUntil;
using ShellFolders = testing::ShellFolderTest;

const std::wstring kDesktopName = L"Tavr\u3000\u3000\u2192el";

Settings ArrangingTopEdge() {
    Settings settings;
    settings.arrage = 1;
    return settings;
}

std::wstring ProgramFile() {
    return standin::ProgramDirectory() + L"tavrel.exe";
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return ::lstrcmpiW(a.c_str(), b.c_str()) == 0;
}

// A link to the running program's file, started in its folder, without
// arguments.
void ExpectLinkToTheProgram(const std::wstring& path) {
    const std::optional<LinkContents> link = ReadLink(path);
    ASSERT_TRUE(link.has_value()) << "no link at " << ::testing::PrintToString(path);
    EXPECT_TRUE(SamePath(link->target, ProgramFile())) << ::testing::PrintToString(link->target);
    EXPECT_TRUE(SamePath(link->directory, standin::ProgramDirectory()))
        << ::testing::PrintToString(link->directory);
    EXPECT_EQ(link->directory.back(), L'\\');
    EXPECT_EQ(link->arguments, L"");
}

std::wstring StoredString(HKEY root, const std::wstring& path, const std::wstring& name,
                          REGSAM view = 0) {
    std::optional<RegistryKey> key = RegistryKey::Open(root, path, view);
    return key ? key->ReadString(name) : L"(no key)";
}

TEST_F(ShellFolders, EachShortcutCommandWritesALinkWhereItsFolderValuePoints) {
    PointAllAtTestFolders();
    testing::StoreFreshSettings(Settings{});
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    Command(control, kCmdStartMenu);
    Command(control, kCmdPrograms);
    Command(control, kCmdDesktop);
    Command(control, kCmdQuickLaunch);
    ExpectLinkToTheProgram(kLinks + L"\\start\\Tavrel.lnk");
    ExpectLinkToTheProgram(kLinks + L"\\programs\\Tavrel.lnk");
    ExpectLinkToTheProgram(kLinks + L"\\desktop\\" + kDesktopName + L".lnk");
    ExpectLinkToTheProgram(QuickLaunchFolder() + L"\\Tavrel.lnk");

    // Again: the same link is written over.
    ASSERT_TRUE(::DeleteFileW((kLinks + L"\\start\\Tavrel.lnk").c_str()));
    Command(control, kCmdStartMenu);
    Command(control, kCmdStartMenu);
    ExpectLinkToTheProgram(kLinks + L"\\start\\Tavrel.lnk");
    // The command has run: a report would still be open.
    EXPECT_EQ(program.FindWindowOf(L"#32770", L"", 0ms), nullptr) << "nothing is reported";
    ExitAndExpectCleanEnd(program);
}

TEST_F(ShellFolders, AnEmptyOrMissingFolderWritesNoLinkAnywhere) {
    // An empty value (the programs menu), and one naming a folder that is
    // not there (the desktop).
    PointAt(kShellFoldersKeyPath, L"Programs", L"");
    PointAt(kShellFoldersKeyPath, L"Desktop", kLinks + L"\\gone");
    ASSERT_TRUE(::RemoveDirectoryW((kLinks + L"\\gone").c_str()));
    testing::StoreFreshSettings(Settings{});
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    Command(control, kCmdPrograms);
    Command(control, kCmdDesktop);
    EXPECT_EQ(StoredString(HKEY_CURRENT_USER, kShellFoldersKeyPath, L"Programs"), L"")
        << "the value the program found";
    for (const std::wstring root : {L"C:\\", L"Z:\\", L"\\"}) {
        EXPECT_FALSE(FileExists(root + L"Tavrel.lnk")) << ::testing::PrintToString(root);
        EXPECT_FALSE(FileExists(root + kDesktopName + L".lnk")) << ::testing::PrintToString(root);
    }
    EXPECT_FALSE(FileExists(kLinks + L"\\gone"));
    // The command has run: a report would still be open.
    EXPECT_EQ(program.FindWindowOf(L"#32770", L"", 0ms), nullptr) << "nothing is reported";
    ExitAndExpectCleanEnd(program);
}

TEST_F(ShellFolders, TheFirstStartPlacesTheDesktopAndQuickLaunchLinks) {
    PointAllAtTestFolders();
    testing::ForgetProgramSettings();
    RunningProgram program;
    HWND question = program.FindWindowOf(L"#32770", kNoticeCaption, kStartTime);
    ASSERT_NE(question, nullptr) << "the welcome question";
    // The links are there by the time the question is asked.
    ExpectLinkToTheProgram(kLinks + L"\\desktop\\" + kDesktopName + L".lnk");
    ExpectLinkToTheProgram(QuickLaunchFolder() + L"\\Tavrel.lnk");
    EXPECT_FALSE(FileExists(kLinks + L"\\start\\Tavrel.lnk"));
    EXPECT_FALSE(FileExists(kLinks + L"\\programs\\Tavrel.lnk"));
    ::PostMessageW(question, WM_COMMAND, MAKEWPARAM(IDNO, 0), 0);
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    ExitAndExpectCleanEnd(program);
}

// The autorun value, the icon values and the refresh through the program.
class Tweaks : public ::testing::Test {
  protected:
    void SetUp() override {
        metricsBefore_ =
            StoredString(HKEY_CURRENT_USER, kWindowMetricsKeyPath, kShellIconSizeValue);
        metricsExisted_ = RegistryKey::Open(HKEY_CURRENT_USER, kWindowMetricsKeyPath).has_value() &&
                          RegistryKey::Open(HKEY_CURRENT_USER, kWindowMetricsKeyPath)
                              ->ValueExists(kShellIconSizeValue);
    }
    void TearDown() override {
        const RegistryKey key = RegistryKey::Create(HKEY_CURRENT_USER, kWindowMetricsKeyPath);
        if (metricsExisted_) {
            key.WriteString(kShellIconSizeValue, metricsBefore_);
        } else {
            ::RegDeleteValueW(key.get(), kShellIconSizeValue);
        }
        testing::ForgetProgramSettings();
    }
    void SetIconSize(const std::wstring& size) {
        RegistryKey::Create(HKEY_CURRENT_USER, kWindowMetricsKeyPath)
            .WriteString(kShellIconSizeValue, size);
    }
    void ForgetIconSize() {
        ::RegDeleteValueW(RegistryKey::Create(HKEY_CURRENT_USER, kWindowMetricsKeyPath).get(),
                          kShellIconSizeValue);
    }
    std::wstring IconSize() const {
        return StoredString(HKEY_CURRENT_USER, kWindowMetricsKeyPath, kShellIconSizeValue);
    }
    // An icon moved away; the next refresh puts it back at the top edge.
    // The move has been made when the message returns: with a refresh
    // every second it may be back before it could be seen away.
    void MoveIconAway(const StandinDesktop& standin) {
        ASSERT_TRUE(WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience));
        ::SendMessageW(standin.ListView(), LVM_SETITEMPOSITION, 0, MAKELPARAM(600, 600));
    }
    // The general error report's text, the report closed.
    std::wstring ErrorReport(const RunningProgram& program) {
        HWND box = program.FindWindowOf(L"#32770", kApplicationTitle, testing::kPatience);
        if (box == nullptr) {
            return L"(no error box)";
        }
        const std::wstring text = testing::MessageBoxText(box);
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, 0), 0);
        WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience);
        return text;
    }

    std::wstring metricsBefore_;
    bool metricsExisted_ = false;
};

TEST_F(Tweaks, TheAutorunToggleWritesAndDeletesTheQuotedPathAndTheCaptionFollows) {
    testing::StoreFreshSettings(Settings{});
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    Win32Registry registry;
    EXPECT_EQ(ReadAutoRunCaption(registry, RegistryRoot::kLocalMachine), L"系统启动时自动运行");

    Command(control, kCmdAutoRun);
    const std::wstring value = StoredString(HKEY_LOCAL_MACHINE, kRunKeyPath, kProductName);
    ASSERT_GE(value.size(), 2u);
    EXPECT_EQ(value.front(), L'"');
    EXPECT_EQ(value.back(), L'"');
    EXPECT_TRUE(SamePath(value.substr(1, value.size() - 2), ProgramFile()))
        << ::testing::PrintToString(value);
    EXPECT_EQ(ReadAutoRunCaption(registry, RegistryRoot::kLocalMachine), L"取消自动运行功能");

    Command(control, kCmdAutoRun);
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kRunKeyPath)->ValueExists(kProductName));
    EXPECT_EQ(ReadAutoRunCaption(registry, RegistryRoot::kLocalMachine), L"系统启动时自动运行");

    // An empty value counts as off: the click writes the path.
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath).WriteString(kProductName, L"");
    Command(control, kCmdAutoRun);
    EXPECT_EQ(StoredString(HKEY_LOCAL_MACHINE, kRunKeyPath, kProductName), value);
    // So does an unquoted path of an older version: the click deletes it.
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath).WriteString(kProductName, ProgramFile());
    Command(control, kCmdAutoRun);
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kRunKeyPath)->ValueExists(kProductName));
    ExitAndExpectCleanEnd(program);
}

TEST_F(Tweaks, ArrowRemovalWritesTheIconLeavesTheIconSizeAndRefreshes) {
    SetIconSize(L"48");
    testing::StoreFreshSettings(ArrangingTopEdge());
    StandinDesktop standin(3);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    MoveIconAway(standin);
    Command(control, kCmdDeleteShortcutArrow);
    wchar_t system[MAX_PATH] = {};
    ::GetSystemDirectoryW(system, MAX_PATH);
    // Where the system's own shell reads it, whatever the program's word
    // size: the 64-bit view of a 64-bit system.
    EXPECT_EQ(StoredString(HKEY_LOCAL_MACHINE, kShellIconsKeyPath, L"29", KEY_WOW64_64KEY),
              std::wstring(system) + L"\\docprop.dll,1");
    EXPECT_EQ(IconSize(), L"48") << "as it began";
    EXPECT_TRUE(IconAt(standin, 0, 22, 2)) << "the refresh after the pause";
    ExitAndExpectCleanEnd(program);
}

TEST_F(Tweaks, IconCacheRebuildWithoutASizeLeavesThirtyTwo) {
    ForgetIconSize();
    testing::StoreFreshSettings(ArrangingTopEdge());
    StandinDesktop standin(3);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    MoveIconAway(standin);
    Command(control, kCmdIconCacheRebuild);
    EXPECT_EQ(IconSize(), L"32");
    EXPECT_TRUE(IconAt(standin, 0, 22, 2)) << "the refresh after the pause";
    ExitAndExpectCleanEnd(program);
}

TEST_F(Tweaks, AnIconSizeThatIsNoNumberIsReportedAndNothingFollows) {
    SetIconSize(L"abc");
    testing::StoreFreshSettings(ArrangingTopEdge());
    StandinDesktop standin(3);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    MoveIconAway(standin);
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdIconCacheRebuild, 0), 0);
    EXPECT_EQ(ErrorReport(program), L"'abc' is not a valid integer value");
    EXPECT_EQ(IconSize(), L"abc");
    EXPECT_TRUE(IconAt(standin, 0, 600, 600)) << "no refresh";
    ExitAndExpectCleanEnd(program);
}

// The program's input box, once it is up: shown only when its controls
// are made.
HWND InputBoxOf(const RunningProgram& program) {
    HWND box = program.FindWindowOf(kInputBoxClass, L"", testing::kPatience);
    WaitUntil([&] { return box != nullptr && ::IsWindowVisible(box) != FALSE; },
              testing::kPatience);
    return box;
}

// Opens the refresh-time box and answers `text` with OK.
void AnswerRefreshTime(const RunningProgram& program, HWND control, const wchar_t* text) {
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdFlashScreen, 0), 0);
    HWND box = InputBoxOf(program);
    ASSERT_NE(box, nullptr);
    ::SetWindowTextW(::GetDlgItem(box, kInputBoxEditId), text);
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

TEST_F(Tweaks, TheRefreshTimeBoxSetsThePeriodAndCancelKeepsIt) {
    testing::StoreFreshSettings(ArrangingTopEdge());
    StandinDesktop standin(3);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);

    // Cancel: the refresh stays at a minute.
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdFlashScreen, 0), 0);
    HWND box = InputBoxOf(program);
    ASSERT_NE(box, nullptr);
    wchar_t initial[32] = {};
    // Asked by message: another process's edit keeps its text to itself.
    // The box appears a moment before its edit holds the text.
    WaitUntil(
        [&] {
            ::SendMessageW(::GetDlgItem(box, kInputBoxEditId), WM_GETTEXT, 32,
                           reinterpret_cast<LPARAM>(initial));
            return initial[0] != L'\0';
        },
        testing::kPatience);
    EXPECT_EQ(std::wstring(initial), L"60") << "the current refresh time";
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience));
    std::optional<Settings> saved = testing::SettingsOnceIdle(control);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->flashScreen, 60) << "the refresh time stays";

    // Text that is no whole number: reported, nothing changes.
    AnswerRefreshTime(program, control, L"1s");
    EXPECT_EQ(ErrorReport(program), L"'1s' is not a valid integer value");
    saved = testing::SettingsOnceIdle(control);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->flashScreen, 60) << "still";

    // One second: the icons come back at once and keep coming back.
    MoveIconAway(standin);
    AnswerRefreshTime(program, control, L"1");
    EXPECT_TRUE(WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience))
        << "refreshed";
    MoveIconAway(standin);
    EXPECT_TRUE(WaitUntil([&] { return IconAt(standin, 0, 22, 2); }, testing::kPatience))
        << "refreshed again";
    ExitAndExpectCleanEnd(program);
    EXPECT_EQ(RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath)->ReadInteger(L"FlashScreen"),
              1);
}

TEST_F(Tweaks, TheColourChooserStartsAtTheTextColourAndOkSavesIt) {
    Settings settings;
    settings.arrage = 0;
    settings.textColor = 0x00FF00;
    testing::StoreFreshSettings(settings);
    StandinDesktop standin(3);
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    ASSERT_TRUE(
        WaitUntil([&] { return standin.ReadState().textColor == 0x00FF00u; }, testing::kPatience));
    const RegistryKey key = *RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);

    // Cancel: nothing is applied or saved.
    key.WriteInteger(L"TextColor", 7);
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdSetDesktopIconTextColor, 0), 0);
    HWND dialog = program.FindWindowOf(L"#32770", L"", testing::kPatience);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(::GetWindow(dialog, GW_OWNER), control);
    ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(WaitUntil([&] { return !::IsWindow(dialog); }, testing::kPatience));
    EXPECT_EQ(key.ReadInteger(L"TextColor"), 7);

    // OK at once: the preset colour is chosen, applied on no background and
    // saved.
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdSetDesktopIconTextColor, 0), 0);
    dialog = program.FindWindowOf(L"#32770", L"", testing::kPatience);
    ASSERT_NE(dialog, nullptr);
    ::PostMessageW(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(
        WaitUntil([&] { return key.ReadInteger(L"TextColor") == 0x00FF00; }, testing::kPatience));
    EXPECT_EQ(standin.ReadState().textColor, 0x00FF00u);
    EXPECT_EQ(standin.ReadState().textBackColor, CLR_NONE);
    ExitAndExpectCleanEnd(program);
}

}  // namespace
}  // namespace tavrel
