// The running copy's ear for commands that a second copy hands over: a
// message hook of the control window that takes WM_COPYDATA.
//
// It trusts nothing it receives. Only a message with the program's tag,
// an even size of at most kMaxCommandLineLength units, well-formed UTF-16
// without NUL, that reads as exactly one command a running copy carries out
// (not /?), is taken; anything else is ignored and answered with 0. A
// command taken is answered at once, with whether it would succeed, and
// carried out afterwards from the message loop, one after the other, so
// that nothing the command shows keeps the sender waiting. Integrity levels
// are left as the system sets them: a copy running with higher rights
// hears nothing from a copy with lower ones.
#pragma once

#include <windows.h>

#include <cstddef>
#include <deque>
#include <functional>

#include "common/window_win.h"
#include "core/command_line.h"

namespace tavrel {

// dwData of a handed command ("TAVR"), and the answers to it.
inline constexpr ULONG_PTR kHandedCommandTag = 0x54415652;
inline constexpr LRESULT kHandedDone = 0x7A30;
inline constexpr LRESULT kHandedFailed = 0x7A31;
// Start-up has not ended yet: ask again in a moment.
inline constexpr LRESULT kHandedNotReady = 0x7A32;

// Commands waiting to be carried out; beyond these a sender is refused.
inline constexpr std::size_t kMaxPendingCommands = 16;

class CommandReceiver final : public MessageHook {
  public:
    using Check = std::function<bool(const ProgramCommand&)>;
    using Perform = std::function<void(const ProgramCommand&)>;

    CommandReceiver(Check check, Perform perform)
        : check_(std::move(check)), perform_(std::move(perform)) {}

    // The window whose message loop carries the commands out.
    void SetWindow(HWND window) { window_ = window; }
    // Commands are taken from now on: the program's start-up has ended.
    void Open();
    // None is taken any more, and none waiting is carried out: the program
    // is ending.
    void Close();

    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    LRESULT Receive(const COPYDATASTRUCT& data);
    void RunNext();
    void Schedule() const;

    Check check_;
    Perform perform_;
    HWND window_ = nullptr;
    UINT runMessage_ = ::RegisterWindowMessageW(L"Tavrel.RunHandedCommand");
    bool open_ = false;
    bool closed_ = false;
    bool running_ = false;
    std::deque<ProgramCommand> pending_;
};

}  // namespace tavrel
