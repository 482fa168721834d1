// When a hint shows and when it goes, as a clock-driven state machine.
//
// The Win32 half reports where the pointer is (over which tool, or over
// nothing with a hint), clicks, and the passing of time; the machine answers
// with what to do: show a tool's hint, hide the one shown, or nothing. Its
// deadline tells the caller when to report the time next.
//
// - The pointer comes to rest over a tool: its hint shows after the pause.
//   Moving within the tool before then starts the pause again.
// - The pointer moves on from a shown hint to another tool: the hint goes at
//   once and the next shows after the short pause (also when the pointer
//   passes over further tools on the way).
// - A hint goes by itself after the hide pause, and does not come back while
//   the pointer stays on its tool.
// - Leaving the tools, or a click, hides the hint; after a click it comes
//   back only on another tool.
#pragma once

#include <cstdint>
#include <optional>

#include "styling/balloon_hint.h"

namespace tavrel {

// Identifies one tool of a window; kNoHintTool is "nothing with a hint".
using HintToolId = std::uint32_t;
inline constexpr HintToolId kNoHintTool = 0;

enum class HintAction { kNone, kShow, kHide };

struct HintStep {
    HintAction action = HintAction::kNone;
    HintToolId tool = kNoHintTool;  // the tool shown or hidden
    friend bool operator==(HintStep, HintStep) = default;
};

class HintTiming {
  public:
    // The pauses are read from the application's settings at every event,
    // so a change of them counts from the next event on.
    explicit HintTiming(const ApplicationHints& settings) : settings_(settings) {}

    // Reports the pointer over tool (kNoHintTool: over no tool, or away).
    // Called for every movement, also within the same tool.
    HintStep PointerAt(std::uint64_t nowMs, HintToolId tool);
    // A button press or a key: the hint goes and the pending one is dropped.
    HintStep Cancel();
    // The time passed: shows a due hint or hides an expired one.
    HintStep Tick(std::uint64_t nowMs);
    // A tool is going away: forgets it.
    HintStep Forget(HintToolId tool);

    // When Tick has something to do, if ever.
    std::optional<std::uint64_t> NextDeadline() const;
    HintToolId shownTool() const { return state_ == State::kShowing ? tool_ : kNoHintTool; }
    HintToolId pendingTool() const { return state_ == State::kWaiting ? tool_ : kNoHintTool; }

  private:
    enum class State {
        kIdle,     // nothing shown or due; tool_ is the tool under the pointer
        kWaiting,  // tool_'s hint shows at deadline_
        kShowing,  // tool_'s hint is shown until deadline_
    };

    HintStep Wait(std::uint64_t nowMs, HintToolId tool);

    const ApplicationHints& settings_;
    State state_ = State::kIdle;
    HintToolId tool_ = kNoHintTool;
    std::uint64_t deadline_ = 0;
    // The pointer moved on from a shown hint and has not left the tools
    // since: the next hint comes after the short pause.
    bool movingOn_ = false;
};

}  // namespace tavrel
