// Program entry: one copy only, a splash while the control window is made
// and the start-up configuration runs, then the message loop. A command on
// the command line is handed to the copy that runs, or carried out once
// this copy's start-up has ended.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <optional>

#include "app/command_line_win.h"
#include "app/program_win.h"
#include "common/busy_pause.h"
#include "common/scope_exit.h"
#include "common/unique_handle_win.h"
#include "core/command_line.h"

namespace {

constexpr wchar_t kSingleInstanceMutex[] = L"irgendwaseinmaliges";

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace tavrel;
    const ParsedCommandLine parsed =
        ParseCommandLine(ArgumentsAfterProgramName(::GetCommandLineW()));
    if (parsed.result == CommandLineResult::kWrongUsage ||
        (parsed.result == CommandLineResult::kCommand &&
         parsed.command.kind == CommandKind::kHelp)) {
        ShowCommandLineHelp();
        return parsed.result == CommandLineResult::kWrongUsage ? kExitWrongUsage : kExitDone;
    }
    const std::optional<ProgramCommand> command =
        parsed.result == CommandLineResult::kCommand ? std::optional(parsed.command) : std::nullopt;

    // Without a command a second copy ends here, silently: no window, no
    // message, and the running copy is not told. With one, it hands it over.
    unique_handle mutex(::CreateMutexW(nullptr, TRUE, kSingleInstanceMutex));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        return command ? HandToRunningCopy(*command) : kExitDone;
    }
    if (command && command->kind == CommandKind::kExit) {
        return kExitDone;  // no copy runs that could end
    }

    // Shortcuts are made through COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    scope_exit uninitialise([com] {
        if (SUCCEEDED(com)) {
            ::CoUninitialize();
        }
    });
    if (command && command->kind == CommandKind::kUninstall) {
        return UninstallWithoutRunningCopy();
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    Program program;
    // The about window serves as the splash while the control window is
    // made and the start-up configuration runs.
    program.ShowSplash(instance);
    if (!program.Create(instance)) {
        return command ? kExitFailed : 0;
    }
    BusyCount(kStartupPauseSteps);
    program.CloseSplash();
    const bool done = program.EndStartup(command);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return done ? kExitDone : kExitFailed;
}
