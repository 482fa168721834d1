// Performs arrangements by number on the running desktop, the way the
// program's buttons do: each number becomes the current arrangement and is
// performed. Used by the demonstration script to show every figure.
//
//   tavrel_arrange.exe NUMBER [NUMBER...]
#include <windows.h>
#include <shellapi.h>

#include <cwchar>

#include "app/dispatcher.h"
#include "desktop/desktop_win.h"

namespace {

// The demonstration script takes its screenshots between two calls; it does
// not want the program's busy pauses.
class NoPauseHost final : public tavrel::ArrangementHost {
public:
    void SaveSettings() override {}
    void ShowDigitalClock() override {}
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t) override {}
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    tavrel::Win32Desktop desktop;
    tavrel::Settings settings;
    NoPauseHost host;
    tavrel::Dispatcher dispatcher(desktop, settings, host);
    for (int i = 1; i < argc; ++i) {
        dispatcher.ChooseArrangement(static_cast<std::int32_t>(std::wcstol(argv[i], nullptr, 10)));
    }
    return 0;
}
