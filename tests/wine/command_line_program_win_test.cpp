// tavrel.exe started with a command, as a script or a shortcut starts it:
// handed to the copy that runs, or carried out by a copy of its own, and
// /uninstall on a prefix that holds everything the program writes.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/application_window_win.h"
#include "app/command_receiver_win.h"
#include "app/control_window_win.h"
#include "common/error_report_win.h"
#include "core/command_line.h"
#include "core/commands.h"
#include "core/registry_win.h"
#include "core/settings_store.h"
#include "desktop/desktop_win.h"
#include "standin_desktop/standin_client_win.h"
#include "support/program_win.h"
#include "support/shell_folders_win.h"
#include "textlayouts/custom_menu.h"
#include "tweaks/desktop_tweaks.h"
#include "tweaks/uninstall.h"

namespace tavrel {
namespace {

using namespace std::chrono_literals;
using standin::StandinDesktop;
using testing::ArrangingNothing;
using testing::FileExists;
using testing::IconAt;
using testing::kLinks;
using testing::RunningProgram;
using testing::WaitUntil;

const std::wstring kLayout1 = std::wstring(kSettingsKeyPath) + L"\\CustomPosition\\CustomPosition1";

// A second copy with these arguments, to its end: its exit code.
std::optional<DWORD> RunCopy(const std::wstring& arguments) {
    RunningProgram copy(L"tavrel.exe", arguments);
    return copy.WaitForExit(30s);
}

// The notice or question of a copy once it shows this text.
HWND BoxWith(const RunningProgram& program, const std::wstring& text) {
    HWND box = nullptr;
    if (!WaitUntil(
            [&] {
                box = program.FindWindowOf(L"#32770", kNoticeCaption, 0ms);
                return box != nullptr && testing::MessageBoxText(box) == text;
            },
            testing::kStartTime)) {
        ADD_FAILURE() << "no box with " << ::testing::PrintToString(text) << ", but "
                      << ::testing::PrintToString(box != nullptr ? testing::MessageBoxText(box)
                                                                 : L"none");
        return nullptr;
    }
    return box;
}

bool Press(HWND box, int button) {
    if (box == nullptr) {
        return false;
    }
    ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, 0), 0);
    return WaitUntil([&] { return !::IsWindow(box); }, testing::kPatience);
}

bool Answer(const RunningProgram& program, const std::wstring& text, int button) {
    return Press(BoxWith(program, text), button);
}

// Arrangement 3, the bottom edge from the left: icons 77 pixels apart from
// x = 22 in one row 73 pixels above the bottom of the work area (which
// Wine makes smaller while it shows a taskbar for the notification-area
// icon).
bool AtBottomEdge(const StandinDesktop& standin) {
    const auto state = standin.ReadState();
    return state.items.size() >= 2 && state.items[0].x == 22 && state.items[1].x == 99 &&
           state.items[0].y == state.items[1].y && state.items[0].y > 600;
}

std::int32_t StoredInteger(const std::wstring& path, const wchar_t* name) {
    const std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, path);
    return key ? key->ReadInteger(name) : -12345;
}

TEST(HandedCommands, EachCommandReachesTheRunningCopy) {
    testing::StoreFreshSettings(ArrangingNothing());
    StandinDesktop standin(5);
    RunningProgram program;
    ASSERT_NE(testing::ControlWindowOf(program), nullptr);

    EXPECT_EQ(RunCopy(L"/arrange 3"), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([&] { return AtBottomEdge(standin); }, testing::kPatience))
        << "the bottom edge";

    // Saved where the save command saves, under the name given.
    EXPECT_EQ(RunCopy(L"/save \"我的 排列\""), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil(
        [&] {
            const std::optional<RegistryKey> key =
                RegistryKey::Open(HKEY_LOCAL_MACHINE, kLayout1 + L"\\0");
            return key && key->ValueExists(L"IconPos.Y");
        },
        testing::kPatience));
    EXPECT_EQ(RegistryKey::Open(HKEY_LOCAL_MACHINE, kLayout1)->ReadString(L"CustomMenuName"),
              L"我的 排列");
    const std::int32_t savedX = StoredInteger(kLayout1 + L"\\0", L"IconPos.X");
    const std::int32_t savedY = StoredInteger(kLayout1 + L"\\0", L"IconPos.Y");
    EXPECT_TRUE(IconAt(standin, 0, savedX, savedY)) << "where the icon was";

    Win32Desktop desktop;
    desktop.MoveDesktopIcon(desktop.FindDesktopListView(), 0, 600, 600);
    EXPECT_EQ(RunCopy(L"-RESTORE \"我的 排列\""), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([&] { return IconAt(standin, 0, savedX, savedY); }, testing::kPatience))
        << "put back";

    // Failures: the running copy says so, and a taken name is told there
    // as the save command tells it.
    EXPECT_EQ(RunCopy(L"/save \"我的 排列\""), std::optional<DWORD>(1));
    EXPECT_TRUE(Answer(program, kDuplicateMessage, IDOK));
    EXPECT_EQ(RunCopy(L"/restore 没有这个"), std::optional<DWORD>(1));
    EXPECT_EQ(RunCopy(L"/arrange 31"), std::optional<DWORD>(1)) << "30 is the one saved layout";

    EXPECT_EQ(RunCopy(L"/hide"), std::optional<DWORD>(0));
    EXPECT_TRUE(
        WaitUntil([&] { return !::IsWindowVisible(standin.Holder()); }, testing::kPatience));
    EXPECT_EQ(RunCopy(L"/show"), std::optional<DWORD>(0));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(standin.Holder()) != FALSE; },
                          testing::kPatience));
    EXPECT_EQ(RunCopy(L"/hide"), std::optional<DWORD>(0));
    EXPECT_TRUE(
        WaitUntil([&] { return !::IsWindowVisible(standin.Holder()); }, testing::kPatience));

    EXPECT_EQ(RunCopy(L"/exit"), std::optional<DWORD>(0));
    EXPECT_EQ(program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
    // Saved at the exit: the restored layout is current, the icons hidden.
    EXPECT_EQ(StoredInteger(kSettingsKeyPath, L"Arrage"), 30);
    EXPECT_EQ(StoredInteger(kSettingsKeyPath, L"CustomCount"), 1);
    EXPECT_EQ(StoredInteger(kSettingsKeyPath, L"ShowHideIcon"), 0);
    testing::ForgetProgramSettings();
}

TEST(HandedCommands, TheRunningCopyTakesNothingButOneWellFormedCommand) {
    testing::StoreFreshSettings(ArrangingNothing());
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    const auto send = [&](ULONG_PTR tag, const std::vector<std::uint8_t>& bytes) {
        COPYDATASTRUCT data{tag, static_cast<DWORD>(bytes.size()),
                            bytes.empty() ? nullptr : const_cast<std::uint8_t*>(bytes.data())};
        DWORD_PTR answer = 12345;
        ::SendMessageTimeoutW(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                              SMTO_ABORTIFHUNG, 10000, &answer);
        return static_cast<LRESULT>(answer);
    };
    const std::vector<std::uint8_t> exit = EncodeHandedText(L"/exit");
    const std::vector<std::uint8_t> odd(exit.begin(), exit.end() - 1);
    std::vector<std::uint8_t> terminated = exit;
    terminated.insert(terminated.end(), {0, 0});
    std::vector<std::uint8_t> lone = EncodeHandedText(L"/save a");
    lone.insert(lone.end(), {0x00, 0xD8});
    const std::vector<std::vector<std::uint8_t>> refused = {
        {},
        odd,
        terminated,
        lone,
        EncodeHandedText(L"/exit /exit"),
        EncodeHandedText(L"/?"),
        EncodeHandedText(L"exit"),
        EncodeHandedText(L"/save " + std::wstring(kMaxCommandLineLength, L'x')),
    };
    EXPECT_EQ(send(0, exit), 0) << "without the program's tag";
    for (const std::vector<std::uint8_t>& bytes : refused) {
        EXPECT_EQ(send(kHandedCommandTag, bytes), 0) << bytes.size() << " bytes";
    }
    EXPECT_EQ(program.WaitForExit(0ms), std::nullopt) << "it runs on";
    EXPECT_EQ(send(kHandedCommandTag, exit), kHandedDone);
    EXPECT_EQ(program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
    testing::ForgetProgramSettings();
}

TEST(HandedCommands, WrongUsageAndTheListOfCommandsAreTheNewCopysOwn) {
    testing::ForgetProgramSettings();
    for (const auto& [arguments, code] :
         {std::pair{L"/bogus", 2}, {L"/arrange 0", 2}, {L"/?", 0}}) {
        RunningProgram copy(L"tavrel.exe", arguments);
        EXPECT_TRUE(Answer(copy, kCommandLineHelp, IDOK))
            << ::testing::PrintToString(std::wstring(arguments));
        EXPECT_EQ(copy.WaitForExit(testing::kPatience), std::optional<DWORD>(code));
    }
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath).has_value())
        << "nothing started";
}

// Stands in for a running copy inside the test: the mutex, an application
// window and a control window of the program's classes, which answer every
// message with 0, as a copy that refuses the message does.
struct RefusingCopy {
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_COPYDATA) {
            const auto& data = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            if (data.dwData == kHandedCommandTag) {
                received.push_back(
                    DecodeHandedText(static_cast<const std::uint8_t*>(data.lpData), data.cbData)
                        .value_or(L"?"));
            }
            return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    explicit RefusingCopy(bool owned) {
        received.clear();
        for (const wchar_t* name : {kApplicationWindowClass, kControlWindowClass}) {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof(windowClass);
            windowClass.lpfnWndProc = Procedure;
            windowClass.hInstance = ::GetModuleHandleW(nullptr);
            windowClass.lpszClassName = name;
            ::RegisterClassExW(&windowClass);
        }
        application.reset(::CreateWindowExW(0, kApplicationWindowClass, kApplicationTitle, WS_POPUP,
                                            0, 0, 0, 0, nullptr, nullptr,
                                            ::GetModuleHandleW(nullptr), nullptr));
        control.reset(::CreateWindowExW(0, kControlWindowClass, kApplicationTitle, WS_POPUP, 0, 0,
                                        10, 10, owned ? application.get() : nullptr, nullptr,
                                        ::GetModuleHandleW(nullptr), nullptr));
    }
    // The copy's end while this thread takes its messages, or does not.
    std::optional<DWORD> Serve(const RunningProgram& copy, bool answering) const {
        if (!answering) {
            return copy.WaitForExit(30s);
        }
        WaitUntil(
            [&] {
                MSG message;
                while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
                    ::DispatchMessageW(&message);
                }
                return copy.WaitForExit(0ms).has_value();
            },
            30s);
        return copy.WaitForExit(0ms);
    }

    static inline std::vector<std::wstring> received;
    unique_handle mutex{::CreateMutexW(nullptr, TRUE, L"irgendwaseinmaliges")};
    unique_hwnd application;
    unique_hwnd control;
};

TEST(HandedCommands, ARefusalNoAnswerOrNoControlWindowOfTheProgramIsAFailure) {
    {
        RefusingCopy running(true);
        RunningProgram refused(L"tavrel.exe", L"/hide");
        EXPECT_EQ(running.Serve(refused, true), std::optional<DWORD>(1));
        EXPECT_EQ(RefusingCopy::received, std::vector<std::wstring>{L"/hide"})
            << "handed to the control window";
        RunningProgram unanswered(L"tavrel.exe", L"/show");
        EXPECT_EQ(running.Serve(unanswered, false), std::optional<DWORD>(1));
    }
    // A window of the control window's class that no application window of
    // its process owns is not the program's.
    RefusingCopy other(false);
    RunningProgram lost(L"tavrel.exe", L"/exit");
    EXPECT_EQ(other.Serve(lost, true), std::optional<DWORD>(1));
    EXPECT_TRUE(RefusingCopy::received.empty());
}

TEST(CommandAtStart, ACopyWithACommandCarriesItOutOnceItsStartUpHasEnded) {
    testing::StoreFreshSettings(ArrangingNothing());
    StandinDesktop standin(5);
    {
        RunningProgram first(L"tavrel.exe", L"/arrange 3");
        ASSERT_NE(testing::ControlWindowOf(first), nullptr);
        EXPECT_TRUE(WaitUntil([&] { return AtBottomEdge(standin); }, testing::kPatience));
        EXPECT_EQ(RunCopy(L"/exit"), std::optional<DWORD>(0));
        EXPECT_EQ(first.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
        EXPECT_EQ(StoredInteger(kSettingsKeyPath, L"Arrage"), 3)
            << "made current as the menu makes it";
    }
    {
        // It runs on all the same; its exit code tells of the failure.
        RunningProgram first(L"tavrel.exe", L"/restore 没有这个");
        ASSERT_NE(testing::ControlWindowOf(first), nullptr);
        EXPECT_EQ(RunCopy(L"/exit"), std::optional<DWORD>(0));
        EXPECT_EQ(first.WaitForExit(testing::kPatience), std::optional<DWORD>(1));
    }
    // With nothing running, /exit ends at once: no first start, no settings.
    testing::ForgetProgramSettings();
    EXPECT_EQ(RunCopy(L"/exit"), std::optional<DWORD>(0));
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath).has_value());
}

// A link of the test's own in one of the folders.
void WriteLink(const std::wstring& path, const std::wstring& target) {
    com_ptr<IShellLinkW> link;
    ASSERT_TRUE(SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                             IID_IShellLinkW, link.put_void())));
    link->SetPath(target.c_str());
    com_ptr<IPersistFile> file = link.query<IPersistFile>(IID_IPersistFile);
    ASSERT_TRUE(file);
    ASSERT_TRUE(SUCCEEDED(file->Save(path.c_str(), TRUE)));
}

bool KeyExists(HKEY root, const std::wstring& path) {
    return RegistryKey::OpenForReading(root, path).has_value();
}

bool AutorunExists(HKEY root) {
    const std::optional<RegistryKey> run = RegistryKey::Open(root, kRunKeyPath);
    return run && run->ValueExists(kProductName);
}

class UninstallCommand : public testing::ShellFolderTest {
  protected:
    void SetUp() override {
        ShellFolderTest::SetUp();
        arrowExisted_ = registry_.ValueExists(kShellView, kShellIconsKeyPath, L"29");
        if (arrowExisted_) {
            arrow_ = registry_.ReadString(kShellView, kShellIconsKeyPath, L"29");
        }
    }
    void TearDown() override {
        if (arrowExisted_) {
            registry_.WriteString(kShellView, kShellIconsKeyPath, L"29", arrow_);
        } else {
            registry_.DeleteValue(kShellView, kShellIconsKeyPath, L"29");
        }
        if (const std::optional<RegistryKey> run =
                RegistryKey::Open(HKEY_CURRENT_USER, kRunKeyPath)) {
            ::RegDeleteValueW(run->get(), L"Other");
        }
        ShellFolderTest::TearDown();
    }
    // Everything the program writes but its links: the settings with a
    // custom character and a saved layout under the machine, a standard
    // user's copy of them, autorun under both roots, the shortcut-arrow
    // icon; and beside them a value of another program.
    void WriteEverythingButTheLinks() {
        Settings settings = ArrangingNothing();
        settings.customCount = 1;
        settings.customCharacterCount = 1;
        testing::StoreFreshSettings(settings);
        RegistryKey::Create(HKEY_LOCAL_MACHINE,
                            std::wstring(kSettingsKeyPath) + L"\\CustomCharacter")
            .WriteString(L"CustomCharacter1", L"中国");
        RegistryKey::Create(HKEY_LOCAL_MACHINE, kLayout1).WriteString(L"CustomMenuName", L"工作");
        RegistryKey::Create(HKEY_LOCAL_MACHINE, kLayout1 + L"\\0").WriteInteger(L"IconPos.X", 5);
        ASSERT_TRUE(registry_.CopyTree(kMachine, kSettingsKeyPath, kUser, kSettingsKeyPath));
        const std::wstring autorun = L"\"" + standin::ProgramDirectory() + L"tavrel.exe\"";
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            RegistryKey::Create(root, kRunKeyPath).WriteString(kProductName, autorun);
        }
        RegistryKey::Create(HKEY_CURRENT_USER, kRunKeyPath).WriteString(L"Other", L"other.exe");
        registry_.CreateKey(kShellView, kShellIconsKeyPath);
        registry_.WriteString(kShellView, kShellIconsKeyPath, L"29",
                              L"C:\\windows\\system32\\docprop.dll,1");
    }
    std::vector<std::wstring> ProgramLinks() const {
        return {kLinks + L"\\start\\Tavrel.lnk", kLinks + L"\\programs\\Tavrel.lnk",
                kLinks + L"\\desktop\\Tavr\u3000\u3000\u2192el.lnk",
                QuickLaunchFolder() + L"\\Tavrel.lnk"};
    }
    void ExpectNothingOfTheProgramLeft() {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            EXPECT_FALSE(AutorunExists(root));
            EXPECT_FALSE(KeyExists(root, L"Software\\Quorral"))
                << "the settings and the keys above them";
        }
        for (const std::wstring& link : ProgramLinks()) {
            EXPECT_FALSE(FileExists(link)) << ::testing::PrintToString(link);
        }
    }

    static constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
    static constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
    static constexpr RegistryRoot kShellView = RegistryRoot::kLocalMachineShellView;
    Win32Registry registry_;
    bool arrowExisted_ = false;
    std::wstring arrow_;
};

TEST_F(UninstallCommand, HandedToTheRunningCopyItAsksRemovesEverythingItWroteAndEnds) {
    PointAllAtTestFolders();
    WriteEverythingButTheLinks();
    const std::wstring otherLink = kLinks + L"\\desktop\\Other.lnk";
    WriteLink(otherLink, L"C:\\windows\\notepad.exe");
    RunningProgram program;
    HWND control = testing::ControlWindowOf(program);
    ASSERT_NE(control, nullptr);
    for (std::uint16_t command : {kCmdStartMenu, kCmdPrograms, kCmdDesktop, kCmdQuickLaunch}) {
        ::SendMessageW(control, WM_COMMAND, MAKEWPARAM(command, 0), 0);
    }
    for (const std::wstring& link : ProgramLinks()) {
        ASSERT_TRUE(FileExists(link)) << ::testing::PrintToString(link);
    }

    EXPECT_EQ(RunCopy(L"/uninstall"), std::optional<DWORD>(0));
    EXPECT_TRUE(Answer(program, kUninstallQuestion, IDYES));
    EXPECT_TRUE(Answer(program, kUninstalledNotice, IDOK));
    EXPECT_EQ(program.WaitForExit(testing::kPatience), std::optional<DWORD>(0));

    ExpectNothingOfTheProgramLeft();  // nor saved again on the way out
    EXPECT_TRUE(FileExists(otherLink)) << "another program's link";
    EXPECT_EQ(registry_.ReadString(kUser, kRunKeyPath, L"Other"), L"other.exe");
    EXPECT_TRUE(registry_.ValueExists(kShellView, kShellIconsKeyPath, L"29"))
        << "the shell's look stays";
}

TEST_F(UninstallCommand, WithNoCopyRunningItAsksByItselfAndNoKeepsEverything) {
    PointAllAtTestFolders();
    WriteEverythingButTheLinks();
    WriteLink(ProgramLinks()[2], standin::ProgramDirectory() + L"tavrel.exe");
    {
        RunningProgram copy(L"tavrel.exe", L"/uninstall");
        HWND question = BoxWith(copy, kUninstallQuestion);
        EXPECT_EQ(copy.FindWindowOf(kControlWindowClass, L"", 0ms), nullptr)
            << "asked without starting";
        EXPECT_TRUE(Press(question, IDNO));
        EXPECT_EQ(copy.WaitForExit(testing::kPatience), std::optional<DWORD>(1)) << "not done";
    }
    EXPECT_TRUE(AutorunExists(HKEY_LOCAL_MACHINE));
    EXPECT_TRUE(KeyExists(HKEY_CURRENT_USER, kSettingsKeyPath));
    EXPECT_TRUE(FileExists(ProgramLinks()[2]));

    RunningProgram copy(L"tavrel.exe", L"/uninstall");
    EXPECT_TRUE(Answer(copy, kUninstallQuestion, IDYES));
    EXPECT_TRUE(Answer(copy, kUninstalledNotice, IDOK));
    EXPECT_EQ(copy.WaitForExit(testing::kPatience), std::optional<DWORD>(0));
    ExpectNothingOfTheProgramLeft();
}

}  // namespace
}  // namespace tavrel
