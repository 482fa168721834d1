// Program entry: performs the current arrangement and keeps refreshing it.
#include <windows.h>
#include <commctrl.h>

#include "app/app_host_win.h"
#include "app/dispatcher.h"
#include "app/settings.h"
#include "desktop/desktop_win.h"

namespace {

constexpr UINT_PTR kRefreshTimer = 2;

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_WIN95_CLASSES};
    ::InitCommonControlsEx(&controls);

    tavrel::Win32Desktop desktop;
    tavrel::Settings settings;
    tavrel::AppHost host(desktop);
    tavrel::Dispatcher dispatcher(desktop, settings, host);

    dispatcher.PerformArrangement(settings.arrage);
    ::SetTimer(nullptr, kRefreshTimer, static_cast<UINT>(settings.flashScreen) * 1000u, nullptr);

    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.message == WM_TIMER) {
            dispatcher.Timer2Timer();
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
