// A clock the balloon hints read that only the test moves: their pauses
// pass when the test says so, however busy the machine is.
#pragma once

#include <cstdint>

#include "styling/balloon_hint_win.h"

namespace tavrel::testing {

class ManualHintClock final : public HintClock {
  public:
    std::uint64_t NowMs() override { return now; }
    std::uint64_t now = 1000;
};

}  // namespace tavrel::testing
