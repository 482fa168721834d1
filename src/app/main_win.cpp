// Program entry: one copy only, a splash while the control window is made
// and the start-up configuration runs, then the message loop.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include "app/program_win.h"
#include "common/busy_pause.h"
#include "common/scope_exit.h"
#include "common/unique_handle_win.h"

namespace {

constexpr wchar_t kSingleInstanceMutex[] = L"irgendwaseinmaliges";

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    // A second copy ends here, silently: no window, no message, and the
    // running copy is not told.
    tavrel::unique_handle mutex(::CreateMutexW(nullptr, TRUE, kSingleInstanceMutex));
    if (::GetLastError() == ERROR_ALREADY_EXISTS) {
        return 0;
    }

    // Shortcuts are made through COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    tavrel::scope_exit uninitialise([com] {
        if (SUCCEEDED(com)) {
            ::CoUninitialize();
        }
    });
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    tavrel::Program program;
    // The about window serves as the splash while the control window is
    // made and the start-up configuration runs.
    program.ShowSplash(instance);
    if (!program.Create(instance)) {
        return 0;
    }
    tavrel::BusyCount(tavrel::kStartupPauseSteps);
    program.CloseSplash();
    program.EndStartup();

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
