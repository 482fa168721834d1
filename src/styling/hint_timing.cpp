#include "styling/hint_timing.h"

namespace tavrel {

HintStep HintTiming::Wait(std::uint64_t nowMs, HintToolId tool) {
    state_ = State::kWaiting;
    tool_ = tool;
    deadline_ = nowMs + (movingOn_ ? settings_.hintShortPause : settings_.hintPause);
    return {};
}

HintStep HintTiming::PointerAt(std::uint64_t nowMs, HintToolId tool) {
    if (!settings_.showHint) {
        tool = kNoHintTool;
    }
    switch (state_) {
        case State::kShowing:
            if (tool == tool_) {
                return {};
            }
            {
                const HintStep hidden{HintAction::kHide, tool_};
                if (tool == kNoHintTool) {
                    movingOn_ = false;
                    state_ = State::kIdle;
                    tool_ = kNoHintTool;
                } else {
                    movingOn_ = true;
                    Wait(nowMs, tool);
                }
                return hidden;
            }
        case State::kWaiting:
            if (tool == kNoHintTool) {
                movingOn_ = false;
                state_ = State::kIdle;
                tool_ = kNoHintTool;
                return {};
            }
            // A move within the tool: the pointer has not come to rest yet.
            return Wait(nowMs, tool);
        case State::kIdle:
            if (tool == tool_) {
                return {};
            }
            movingOn_ = false;
            if (tool == kNoHintTool) {
                tool_ = kNoHintTool;
                return {};
            }
            return Wait(nowMs, tool);
    }
    return {};
}

HintStep HintTiming::Cancel() {
    const HintStep step =
        state_ == State::kShowing ? HintStep{HintAction::kHide, tool_} : HintStep{};
    state_ = State::kIdle;
    movingOn_ = false;
    return step;
}

HintStep HintTiming::Tick(std::uint64_t nowMs) {
    if (state_ == State::kIdle || nowMs < deadline_) {
        return {};
    }
    if (state_ == State::kWaiting) {
        state_ = State::kShowing;
        deadline_ = nowMs + settings_.hintHidePause;
        return {HintAction::kShow, tool_};
    }
    state_ = State::kIdle;
    movingOn_ = false;
    return {HintAction::kHide, tool_};
}

HintStep HintTiming::Forget(HintToolId tool) {
    if (tool == kNoHintTool || tool != tool_) {
        return {};
    }
    const HintStep step =
        state_ == State::kShowing ? HintStep{HintAction::kHide, tool_} : HintStep{};
    state_ = State::kIdle;
    tool_ = kNoHintTool;
    movingOn_ = false;
    return step;
}

std::optional<std::uint64_t> HintTiming::NextDeadline() const {
    if (state_ == State::kIdle) {
        return std::nullopt;
    }
    return deadline_;
}

}  // namespace tavrel
