#include "app/command_line_win.h"

#include "app/application_window_win.h"
#include "app/command_receiver_win.h"
#include "app/control_window_win.h"
#include "common/error_report_win.h"
#include "common/registry_win.h"
#include "core/registry_win.h"
#include "tweaks/link_files_win.h"
#include "tweaks/shortcuts_win.h"
#include "tweaks/uninstall.h"

namespace tavrel {
namespace {

bool HasClassAndTitle(HWND window, const wchar_t* className, const wchar_t* title) {
    wchar_t name[64] = {};
    wchar_t text[64] = {};
    return ::GetClassNameW(window, name, 64) > 0 && std::wstring_view(name) == className &&
           ::GetWindowTextW(window, text, 64) >= 0 && std::wstring_view(text) == title;
}

DWORD ProcessOf(HWND window) {
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    return process;
}

// Asked and told without a window of the program's own.
class AloneSteps final : public UninstallSteps {
  public:
    bool Confirm(const std::wstring& question) override {
        return ::MessageBoxW(nullptr, question.c_str(), kNoticeCaption,
                             MB_YESNO | MB_DEFBUTTON2 | MB_ICONINFORMATION | MB_SETFOREGROUND) ==
               IDYES;
    }
    void StopProgram() override {}
    void Notify(const std::wstring& text) override {
        ::MessageBoxW(nullptr, text.c_str(), kNoticeCaption,
                      MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
    }
    void EndProgram() override {}
};

}  // namespace

void ShowCommandLineHelp() {
    ::MessageBoxW(nullptr, kCommandLineHelp, kNoticeCaption,
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

HWND FindRunningControlWindow() {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, kControlWindowClass, nullptr);
         window != nullptr;
         window = ::FindWindowExW(nullptr, window, kControlWindowClass, nullptr)) {
        HWND owner = ::GetWindow(window, GW_OWNER);
        if (owner != nullptr &&
            HasClassAndTitle(owner, kApplicationWindowClass, kApplicationTitle) &&
            ProcessOf(owner) == ProcessOf(window)) {
            return window;
        }
    }
    return nullptr;
}

int HandToRunningCopy(const ProgramCommand& command, std::chrono::milliseconds wait) {
    const std::vector<std::uint8_t> bytes = EncodeHandedText(CommandLineText(command));
    COPYDATASTRUCT data{};
    data.dwData = kHandedCommandTag;
    data.cbData = static_cast<DWORD>(bytes.size());
    data.lpData = const_cast<std::uint8_t*>(bytes.data());
    const auto end = std::chrono::steady_clock::now() + wait;
    // The copy that holds the mutex may still be making its windows or
    // running its start-up; it is asked again until the time is up.
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            end - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            return kExitFailed;
        }
        if (HWND control = FindRunningControlWindow()) {
            // A box the command shows may come to the front.
            ::AllowSetForegroundWindow(ProcessOf(control));
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutW(control, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data),
                                      SMTO_ABORTIFHUNG | SMTO_BLOCK,
                                      static_cast<UINT>(left.count()), &answer) == 0) {
                return kExitFailed;  // refused, hung or too slow
            }
            if (answer == static_cast<DWORD_PTR>(kHandedDone)) {
                return kExitDone;
            }
            if (answer != static_cast<DWORD_PTR>(kHandedNotReady)) {
                return kExitFailed;
            }
        }
        ::Sleep(50);
    }
}

int UninstallWithoutRunningCopy() {
    Win32Registry registry;
    Win32ShortcutPlatform shortcuts;
    Win32LinkFiles links;
    AloneSteps steps;
    UninstallParts parts{registry, shortcuts, links, ProgramPath()};
    return Uninstall(parts, steps) ? kExitDone : kExitFailed;
}

}  // namespace tavrel
