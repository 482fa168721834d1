// What the dispatcher asks of the running program, on Windows.
#pragma once

#include "app/dispatcher.h"
#include "textlayouts/icon_text_win.h"

namespace tavrel {

class AppHost final : public ArrangementHost {
public:
    explicit AppHost(DesktopAccess& desktop) : desktop_(desktop) {}

    void SaveSettings() override {}
    void ShowDigitalClock() override { tavrel::ShowDigitalClock(desktop_); }
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t steps) override { BusyCount(steps); }

private:
    DesktopAccess& desktop_;
};

}  // namespace tavrel
