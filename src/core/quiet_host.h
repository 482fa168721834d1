// A host that asks nothing of a program: no saving, no clock, no pauses, for
// arranging a desktop that is not the shell's (pictures, checks).
#pragma once

#include "core/dispatcher.h"

namespace tavrel {

class QuietHost : public ArrangementHost {
  public:
    void SaveSettings() override {}
    void ShowDigitalClock() override {}
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t) override {}
};

}  // namespace tavrel
