// A host that asks nothing of a program: no saving, no clock, no pauses.
#pragma once

#include "app/dispatcher.h"

namespace tavrel::testing {

class QuietHost : public ArrangementHost {
public:
    void SaveSettings() override {}
    void ShowDigitalClock() override {}
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t) override {}
};

}  // namespace tavrel::testing
