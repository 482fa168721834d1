// Performs arrangements on the running desktop, the way the program's
// buttons do: each number becomes the current arrangement and is performed.
// Used by the demonstration script to show every figure.
//
//   tavrel_arrange.exe [NUMBER | --text TEXT | --clock H:MM]...
//
// --text draws any text with the icons; --clock draws the clock as it
// would show at that time of day, in the system's time format.
#include <windows.h>

#include <cwchar>
#include <string>

#include "core/dispatcher.h"
#include "desktop/desktop_win.h"
#include "textlayouts/icon_text_win.h"

namespace {

// The demonstration script takes its screenshots between two calls; it does
// not want the program's busy pauses.
class DemoHost final : public tavrel::ArrangementHost {
  public:
    explicit DemoHost(tavrel::DesktopAccess& desktop) : desktop_(desktop) {}
    void SaveSettings() override {}
    void ShowDigitalClock() override { tavrel::ShowDigitalClock(desktop_); }
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t) override {}

  private:
    tavrel::DesktopAccess& desktop_;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    tavrel::Win32Desktop desktop;
    tavrel::Settings settings;
    DemoHost host(desktop);
    tavrel::Dispatcher dispatcher(desktop, settings, host);
    for (int i = 1; i < argc; ++i) {
        const std::wstring argument = argv[i];
        if (argument == L"--text" && i + 1 < argc) {
            tavrel::DrawTextWithIcons(desktop, argv[++i]);
        } else if (argument == L"--clock" && i + 1 < argc) {
            wchar_t* rest = nullptr;
            const long hour = std::wcstol(argv[++i], &rest, 10);
            const long minute =
                (rest != nullptr && *rest == L':') ? std::wcstol(rest + 1, nullptr, 10) : 0;
            tavrel::ShowDigitalClock(desktop, {static_cast<int>(hour), static_cast<int>(minute), 0},
                                     tavrel::SystemClockFormat());
        } else {
            dispatcher.ChooseArrangement(
                static_cast<std::int32_t>(std::wcstol(argument.c_str(), nullptr, 10)));
        }
    }
    return 0;
}
