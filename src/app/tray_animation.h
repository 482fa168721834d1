// The notification-area icon's animation: picture k (1 to count - 1) stays
// k x 0.5 seconds, then picture 0 stays 10 seconds, and round again.
#pragma once

#include <cstdint>

namespace tavrel {

struct AnimationStep {
    std::int32_t frame;            // the picture to show now
    std::uint32_t nextIntervalMs;  // until the next step
};

// The step after showing `frame` of `count` pictures.
constexpr AnimationStep NextAnimationStep(std::int32_t frame, std::int32_t count) {
    if (frame < count - 1) {
        const std::int32_t next = frame + 1;
        return {next, static_cast<std::uint32_t>(next) * 500u};
    }
    return {0, 10000u};
}

// The animation timer's first tick comes this soon.
inline constexpr std::uint32_t kFirstAnimationTickMs = 1;

}  // namespace tavrel
