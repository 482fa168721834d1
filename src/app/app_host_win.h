// What the dispatcher asks of the running program, on Windows.
#pragma once

#include "app/dispatcher.h"

namespace tavrel {

class AppHost final : public ArrangementHost {
public:
    void SaveSettings() override {}
    void ShowDigitalClock() override {}
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t steps) override { BusyCount(steps); }
};

}  // namespace tavrel
