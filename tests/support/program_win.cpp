#include "support/program_win.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/control_window_win.h"
#include "common/registry_win.h"
#include "core/commands.h"
#include "core/refresh_timer_win.h"
#include "core/registry_win.h"
#include "core/settings_store.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel::testing {

RunningProgram::RunningProgram(const std::wstring& exeName, const std::wstring& arguments) {
    std::wstring command = L"\"" + standin::ProgramDirectory() + exeName + L"\"";
    if (!arguments.empty()) {
        command += L" " + arguments;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (::CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                         &startup, &info)) {
        unique_handle thread(info.hThread);
        process_.reset(info.hProcess);
        processId_ = info.dwProcessId;
    }
}

RunningProgram::~RunningProgram() {
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.get(), 1);
        // Gone before the next test starts a copy of its own, which would
        // otherwise find this one's mutex and end at once.
        ::WaitForSingleObject(process_.get(),
                              static_cast<DWORD>(std::chrono::milliseconds(kPatience).count()));
    }
}

std::optional<DWORD> RunningProgram::WaitForExit(std::chrono::milliseconds timeout) const {
    if (!process_ || ::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) !=
                         WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

namespace {

struct WindowSearch {
    DWORD processId;
    std::wstring className;
    std::wstring caption;
    HWND found = nullptr;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != search->processId) {
        return TRUE;
    }
    wchar_t className[128] = {};
    ::GetClassNameW(window, className, 128);
    if (search->className != className) {
        return TRUE;
    }
    if (!search->caption.empty()) {
        wchar_t caption[256] = {};
        ::GetWindowTextW(window, caption, 256);
        if (search->caption != caption) {
            return TRUE;
        }
    }
    search->found = window;
    return FALSE;
}

}  // namespace

HWND RunningProgram::FindWindowOf(const std::wstring& className, const std::wstring& caption,
                                  std::chrono::milliseconds timeout) const {
    WindowSearch search{processId_, className, caption};
    WaitUntil(
        [&] {
            search.found = nullptr;
            ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
            return search.found != nullptr;
        },
        timeout);
    return search.found;
}

HWND ControlWindowOf(const RunningProgram& program) {
    HWND control = program.FindWindowOf(kControlWindowClass, L"", kStartTime);
    // The start-up ends as the splash goes.
    const bool started = WaitUntil(
        [&] {
            HWND splash = program.FindWindowOf(L"TAboutBox", L"", std::chrono::milliseconds(0));
            return splash == nullptr || !::IsWindowVisible(splash);
        },
        kStartTime);
    return started ? control : nullptr;
}

Settings ArrangingNothing() {
    Settings settings;
    settings.arrage = 0;
    return settings;
}

bool IconAt(const standin::StandinDesktop& standin, std::size_t index, int x, int y) {
    const auto state = standin.ReadState();
    return index < state.items.size() && state.items[index].x == x && state.items[index].y == y;
}

bool FileExists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void Command(HWND control, std::uint16_t command) {
    // A command that shows a box waits for it: a bound, so that a box that
    // should not have come fails the test instead of holding it up.
    DWORD_PTR ignored = 0;
    if (::SendMessageTimeoutW(control, WM_COMMAND, MAKEWPARAM(command, 0), 0, SMTO_NORMAL,
                              static_cast<UINT>(std::chrono::milliseconds(kStartTime).count()),
                              &ignored) == 0) {
        ADD_FAILURE() << "command " << command << " did not come back (a box nobody answers?)";
    }
}

void ExitAndExpectCleanEnd(const RunningProgram& program) {
    HWND control = program.FindWindowOf(kControlWindowClass, L"", kStartTime);
    ASSERT_NE(control, nullptr);
    ::PostMessageW(control, WM_COMMAND, MAKEWPARAM(kCmdExit, 0), 0);
    EXPECT_EQ(program.WaitForExit(kPatience), std::optional<DWORD>(0));
}

void StoreSettings(const Settings& settings) {
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        ::RegDeleteTreeW(root, L"Software\\Quorral");
    }
    Win32Registry registry;
    RegistrySettings store(registry, RegistryRoot::kLocalMachine, L"");
    SaveSettings(settings, store);
}

std::optional<Settings> SettingsOnceIdle(HWND control) {
    constexpr std::int32_t kUnsaved = -12345;
    std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    if (!key) {
        return std::nullopt;
    }
    key->WriteInteger(L"ShowHideIcon", kUnsaved);
    ::PostMessageW(control, WM_TIMER, kRefreshTimerId, 0);
    if (!WaitUntil([&] { return key->ReadInteger(L"ShowHideIcon") != kUnsaved; }, kStartTime)) {
        return std::nullopt;
    }
    Settings saved;
    saved.arrage = key->ReadInteger(L"Arrage");
    saved.skin = key->ReadInteger(L"Skin");
    saved.textColor = key->ReadInteger(L"TextColor");
    saved.showHideIcon = key->ReadInteger(L"ShowHideIcon");
    saved.flashScreen = key->ReadInteger(L"FlashScreen");
    saved.customCount = key->ReadInteger(L"CustomCount");
    saved.customCharacterCount = key->ReadInteger(L"CustomCharacterCount");
    return saved;
}

std::wstring MessageBoxText(HWND box) {
    wchar_t text[1024] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 1024);
    return text;
}

bool WaitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) {
            return true;
        }
        if (std::chrono::steady_clock::now() >= end) {
            return false;
        }
        ::Sleep(20);
    }
}

void ForgetProgramSettings() {
    // Under either root: where the program keeps them depends on who may
    // write where.
    for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
        ::RegDeleteTreeW(root, L"Software\\Quorral");
        unique_hkey run;
        if (::RegOpenKeyExW(root, kRunKeyPath, 0, KEY_ALL_ACCESS, run.put()) == ERROR_SUCCESS) {
            ::RegDeleteValueW(run.get(), kProductName);
        }
    }
}

namespace {

// What a test of the program wrote goes with the test's end, passed or
// failed: a value of the wrong type left behind by a failed assertion
// would otherwise be reported to every test after it.
class ForgetSettingsAfterEachTest final : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo&) override { ForgetProgramSettings(); }
};

[[maybe_unused]] const bool kForgettingAfterEachTest = [] {
    ::testing::UnitTest::GetInstance()->listeners().Append(new ForgetSettingsAfterEachTest);
    return true;
}();

}  // namespace

void StoreFreshSettings(const Settings& settings) {
    ForgetProgramSettings();
    Win32Registry registry;
    RegistrySettings store(registry, RegistryRoot::kLocalMachine, L"");
    SaveSettings(settings, store);
}

void PointerTo(POINT point) {
    const auto start = std::chrono::steady_clock::now();
    auto settledSince = start;
    bool wasThere = false;
    ::SetCursorPos(point.x, point.y);
    for (;;) {
        ::Sleep(5);
        const auto now = std::chrono::steady_clock::now();
        if (now - start > std::chrono::seconds(3)) {
            return;
        }
        POINT at{};
        ::GetCursorPos(&at);
        const bool there = at.x == point.x && at.y == point.y;
        if (there && !wasThere) {
            settledSince = now;
        }
        wasThere = there;
        if (there && now - settledSince > std::chrono::milliseconds(150)) {
            break;
        }
        if (!there && now - start > std::chrono::milliseconds(300)) {
            ::SetCursorPos(point.x, point.y);
        }
    }
    HWND window = ::WindowFromPoint(point);
    if (window == nullptr) {
        return;
    }
    const auto hit = ::SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(point.x, point.y));
    if (hit == HTCLIENT) {
        POINT client = point;
        ::ScreenToClient(window, &client);
        ::PostMessageW(window, WM_MOUSEMOVE, 0, MAKELPARAM(client.x, client.y));
    } else {
        ::PostMessageW(window, WM_NCMOUSEMOVE, static_cast<WPARAM>(hit),
                       MAKELPARAM(point.x, point.y));
    }
}

bool WaitWithPointerAt(POINT point, const std::function<bool()>& condition) {
    PointerTo(point);
    return WaitUntil(
        [&] {
            POINT at{};
            ::GetCursorPos(&at);
            if (at.x != point.x || at.y != point.y) {
                PointerTo(point);
            }
            return condition();
        },
        kPatience);
}

void PaintNow(HWND window) {
    ::RedrawWindow(window, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    ::GdiFlush();
}

bool SaveScreenshot(const std::wstring& path) {
    const int width = ::GetSystemMetrics(SM_CXSCREEN);
    const int height = ::GetSystemMetrics(SM_CYSCREEN);
    window_dc screen(nullptr);
    unique_hdc memory(::CreateCompatibleDC(screen.get()));
    unique_hbitmap bitmap(::CreateCompatibleBitmap(screen.get(), width, height));
    {
        select_object select(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY);
    }
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = width;
    header.biHeight = height;
    header.biPlanes = 1;
    header.biBitCount = 24;
    const int stride = (width * 3 + 3) & ~3;
    std::vector<char> pixels(static_cast<size_t>(stride) * static_cast<size_t>(height));
    ::GetDIBits(memory.get(), bitmap.get(), 0, static_cast<UINT>(height), pixels.data(),
                reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS);
    BITMAPFILEHEADER file{};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof(file) + sizeof(header);
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    unique_hfile out(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    if (!out) {
        return false;
    }
    DWORD written = 0;
    ::WriteFile(out.get(), &file, sizeof(file), &written, nullptr);
    ::WriteFile(out.get(), &header, sizeof(header), &written, nullptr);
    ::WriteFile(out.get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    return true;
}

}  // namespace tavrel::testing
