// The system's side of the shortcuts and the desktop tweaks, against the
// real shell link object, the prefix's file system and real windows.
#include "tweaks/desktop_tweaks_win.h"
#include "tweaks/shortcuts_win.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "common/error.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "support/link_reader_win.h"
#include "support/owner_window_win.h"
#include "support/program_win.h"

namespace tavrel {
namespace {

using testing::FileExists;
using testing::LinkContents;
using testing::OwnerWindow;
using testing::ReadLink;
using testing::SaveScreenshot;
using testing::WaitUntil;
using namespace std::chrono_literals;

std::wstring TempDirectory(const std::wstring& name) {
    wchar_t temp[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, temp);
    std::wstring directory = std::wstring(temp) + name;
    ::CreateDirectoryW(directory.c_str(), nullptr);
    return directory;
}

std::wstring ThisProgram() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

class ComTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    }
    void TearDown() override { ::CoUninitialize(); }
};

TEST_F(ComTest, TheShellLinkObjectWritesALinkThatReadsBackTheSame) {
    const std::wstring folder = TempDirectory(L"tavrel-link-test");
    const std::wstring linkPath = folder + L"\\Tavr\u3000\u3000\u2192el.lnk";
    ::DeleteFileW(linkPath.c_str());
    const std::wstring target = ThisProgram();
    Win32ShortcutPlatform platform;
    for (int round = 0; round < 2; ++round) {  // the second save writes over the first
        std::unique_ptr<ShellLink> link = platform.CreateShellLink();
        link->SetArguments(L"");
        link->SetPath(target);
        link->SetWorkingDirectory(DirectoryPart(target));
        link->Save(linkPath);
    }
    const std::optional<LinkContents> contents = ReadLink(linkPath);
    ASSERT_TRUE(contents.has_value());
    EXPECT_EQ(::lstrcmpiW(contents->target.c_str(), target.c_str()), 0) << contents->target;
    EXPECT_EQ(contents->directory, DirectoryPart(target));
    EXPECT_EQ(contents->directory.back(), L'\\');
    EXPECT_EQ(contents->arguments, L"");
    ::DeleteFileW(linkPath.c_str());
    ::RemoveDirectoryW(folder.c_str());
}

TEST_F(ComTest, ASaveIntoAMissingFolderFailsQuietly) {
    Win32ShortcutPlatform platform;
    std::unique_ptr<ShellLink> link = platform.CreateShellLink();
    link->SetPath(ThisProgram());
    EXPECT_NO_THROW(link->Save(L"C:\\no such folder\\Tavrel.lnk"));
    EXPECT_FALSE(FileExists(L"C:\\no such folder\\Tavrel.lnk"));
}

TEST(ShortcutPlatform, WithoutComTheLinkObjectIsAnErrorWithTheSystemsText) {
    // COM is not initialised on this thread.
    std::wstring message;
    std::thread([&] {
        try {
            Win32ShortcutPlatform().CreateShellLink();
        } catch (const Error& error) {
            message = error.message();
        }
    }).join();
    EXPECT_FALSE(message.empty());
    EXPECT_EQ(message, ComErrorText(CO_E_NOTINITIALIZED));
    EXPECT_NE(message.back(), L'\n');
    EXPECT_NE(message.back(), L'.');
}

TEST(ShortcutPlatform, DirectoriesAreToldApartFromFilesAndFromNothing) {
    Win32ShortcutPlatform platform;
    const std::wstring folder = TempDirectory(L"tavrel-dir-test");
    EXPECT_TRUE(platform.DirectoryExists(folder));
    EXPECT_FALSE(platform.DirectoryExists(ThisProgram()));
    EXPECT_FALSE(platform.DirectoryExists(folder + L"\\missing"));
    ::RemoveDirectoryW(folder.c_str());
}

TEST(ShortcutPlatform, VersionIsTheNtPlatformWithTheMinorVersionTheSystemReports) {
    const PlatformVersion version = Win32ShortcutPlatform().Version();
    EXPECT_EQ(version.platformId, kPlatformWin32Nt);
    // The system's own account of itself, without any compatibility
    // adjustment for this program.
    using RtlGetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto rtlGetVersion = reinterpret_cast<RtlGetVersionFunction>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    ASSERT_NE(rtlGetVersion, nullptr);
    OSVERSIONINFOW system{};
    system.dwOSVersionInfoSize = sizeof(system);
    ASSERT_EQ(rtlGetVersion(&system), 0);
    std::printf("system %lu.%lu, reported to the program with minor version %u\n",
                system.dwMajorVersion, system.dwMinorVersion, version.minorVersion);
    EXPECT_EQ(version.minorVersion, system.dwMinorVersion);
}

TEST(TweakPlatform, SystemDirectoryIsTheSystemsWhole) {
    OwnerWindow owner;
    Win32TweakPlatform platform(owner);
    wchar_t expected[MAX_PATH] = {};
    ASSERT_NE(::GetSystemDirectoryW(expected, MAX_PATH), 0u);
    EXPECT_EQ(platform.SystemDirectory(), expected);
}

// A top-level window of this thread that counts the settings changes it is
// told of.
struct Listener {
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_SETTINGCHANGE && wParam == SPI_SETNONCLIENTMETRICS && lParam == 0) {
            ++heard;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    static inline int heard = 0;
};

TEST(TweakPlatform, TheMetricsChangeReachesTopLevelWindows) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = Listener::Proc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"TavrelMetricsListener";
    ::RegisterClassW(&windowClass);
    unique_hwnd window(::CreateWindowExW(0, windowClass.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10,
                                         nullptr, nullptr, windowClass.hInstance, nullptr));
    ASSERT_TRUE(window);
    Listener::heard = 0;
    OwnerWindow owner;
    Win32TweakPlatform(owner).BroadcastMetricsChange();
    EXPECT_EQ(Listener::heard, 1);
}

// Another thread watches for a dialog of this process and answers it.
class DialogWatcher {
  public:
    template <typename Answer>
    explicit DialogWatcher(Answer answer)
        : thread_([this, answer] {
              WaitUntil(
                  [&] {
                      dialog_ = FindDialog();
                      return dialog_ != nullptr;
                  },
                  10s);
              if (dialog_ != nullptr) {
                  testing::PaintNow(dialog_);
                  answer(dialog_);
              }
          }) {}
    ~DialogWatcher() { thread_.join(); }
    HWND dialog() const { return dialog_; }

  private:
    static BOOL CALLBACK MatchDialog(HWND window, LPARAM context) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        wchar_t className[32] = {};
        ::GetClassNameW(window, className, 32);
        if (process == ::GetCurrentProcessId() && std::wstring(className) == L"#32770" &&
            ::IsWindowVisible(window)) {
            *reinterpret_cast<HWND*>(context) = window;
            return FALSE;
        }
        return TRUE;
    }
    static HWND FindDialog() {
        HWND found = nullptr;
        ::EnumWindows(MatchDialog, reinterpret_cast<LPARAM>(&found));
        return found;
    }

    std::atomic<HWND> dialog_{nullptr};
    std::thread thread_;
};

std::wstring OutputPath(const std::wstring& name) {
    // Next to the test program, in the build tree.
    const std::wstring program = ThisProgram();
    return DirectoryPart(program) + name;
}

class OwnerWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(owner_.Create()); }
    OwnerWindow owner_;
};

TEST_F(OwnerWindowTest, TheColourChooserStartsAtTheColourAndCancelGivesNothing) {
    Win32TweakPlatform platform(owner_);
    CustomColors custom;
    custom.fill(kCustomColorPreset);
    HWND owner = nullptr;
    std::optional<ColorRef> result;
    {
        DialogWatcher watcher([&](HWND dialog) {
            owner = ::GetWindow(dialog, GW_OWNER);
            SaveScreenshot(OutputPath(L"colour-chooser.bmp"));
            ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
        });
        result = platform.PickColor(Rgb(255, 0, 0), custom);
    }
    EXPECT_EQ(owner, owner_.hwnd());
    EXPECT_FALSE(result.has_value());
    {
        DialogWatcher watcher([](HWND dialog) { ::PostMessageW(dialog, WM_COMMAND, IDOK, 0); });
        result = platform.PickColor(Rgb(0, 128, 255), custom);
    }
    ASSERT_TRUE(result.has_value());
    EXPECT_EQ(*result, Rgb(0, 128, 255));
    EXPECT_EQ(custom[7], kCustomColorPreset);
}

TEST_F(OwnerWindowTest, TheRegistryFailureBoxIsOwnedByTheWindow) {
    Win32TweakPlatform platform(owner_);
    std::wstring caption;
    std::wstring text;
    HWND owner = nullptr;
    {
        DialogWatcher watcher([&](HWND box) {
            wchar_t buffer[256] = {};
            ::GetWindowTextW(box, buffer, 256);
            caption = buffer;
            text = testing::MessageBoxText(box);
            owner = ::GetWindow(box, GW_OWNER);
            ::PostMessageW(box, WM_COMMAND, IDOK, 0);
        });
        platform.ShowRegistryFailure();
    }
    EXPECT_EQ(caption, L"错误");
    EXPECT_EQ(text, L"打开注册表失败！");
    EXPECT_EQ(owner, owner_.hwnd());
}

}  // namespace
}  // namespace tavrel
