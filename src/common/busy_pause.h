// The program's pauses are busy counts of a fixed number of steps: they block
// the one thread on purpose, and their length follows the processor's speed.
#pragma once

#include <cstdint>
#include <functional>

namespace tavrel {

inline constexpr std::uint32_t kStartupPauseSteps = 100'000'001;
inline constexpr std::uint32_t kDemonstrationPauseSteps = 2'000'000'001;
inline constexpr std::uint32_t kTweakPauseSteps = 300'000'001;
inline constexpr std::uint32_t kSpiralPauseSteps = 15'000'001;

// Counts a counter down from `steps` to 0, one decrement per step. The
// counter is volatile so that no optimiser can drop the loop.
void BusyCount(std::uint32_t steps);

// Who performs a pause. Tests put a recorder or a shortened count here.
using PauseFunction = std::function<void(std::uint32_t steps)>;

}  // namespace tavrel
