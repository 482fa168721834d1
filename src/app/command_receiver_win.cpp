#include "app/command_receiver_win.h"

#include "common/scope_exit.h"

namespace tavrel {

void CommandReceiver::Open() {
    open_ = !closed_;
    if (open_ && !pending_.empty()) {
        Schedule();
    }
}

void CommandReceiver::Close() {
    closed_ = true;
    open_ = false;
    pending_.clear();
}

bool CommandReceiver::Handle(UINT message, WPARAM, LPARAM lParam, LRESULT& result) {
    if (message == WM_COPYDATA) {
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        result = data != nullptr ? Receive(*data) : 0;
        return true;
    }
    if (message == runMessage_ && runMessage_ != 0) {
        RunNext();
        result = 0;
        return true;
    }
    return false;
}

LRESULT CommandReceiver::Receive(const COPYDATASTRUCT& data) {
    if (data.dwData != kHandedCommandTag) {
        return 0;
    }
    const std::optional<std::wstring> text =
        DecodeHandedText(static_cast<const std::uint8_t*>(data.lpData), data.cbData);
    if (!text) {
        return 0;
    }
    const ParsedCommandLine parsed = ParseCommandLine(*text);
    if (parsed.result != CommandLineResult::kCommand || parsed.command.kind == CommandKind::kHelp) {
        return 0;
    }
    if (closed_) {
        return kHandedFailed;
    }
    if (!open_) {
        return kHandedNotReady;
    }
    if (pending_.size() >= kMaxPendingCommands) {
        return kHandedFailed;
    }
    // The sender waits for this answer: a check that meets a damaged value
    // answers at once, and carrying the command out then shows the error.
    bool succeeds = false;
    try {
        succeeds = check_(parsed.command);
    } catch (...) {
        // answered as a failure
    }
    pending_.push_back(parsed.command);
    Schedule();
    return succeeds ? kHandedDone : kHandedFailed;
}

void CommandReceiver::RunNext() {
    // A command that shows a box runs a message loop of its own; one that
    // comes meanwhile waits for it to end.
    if (running_ || !open_ || pending_.empty()) {
        return;
    }
    running_ = true;
    scope_exit done([this] {
        running_ = false;
        if (open_ && !pending_.empty()) {
            Schedule();
        }
    });
    const ProgramCommand command = std::move(pending_.front());
    pending_.pop_front();
    perform_(command);
}

void CommandReceiver::Schedule() const {
    ::PostMessageW(window_, runMessage_, 0, 0);
}

}  // namespace tavrel
