// Keeps commands out of the start-up.
//
// While the start-up configuration runs, the control window already exists,
// and every message the program sends to the shell lets it take the
// messages other programs send it in the meantime (so that neither waits
// for the other for ever). A command sent then (a click relayed by another
// program, a script's command, a test) would run in the middle of the
// start-up, and the start-up would then go on to overwrite what it did:
// the stored arrangement or show/hide state read back over the one just
// chosen, a figure laid out over half of another. So until the start-up
// has ended, commands are held and then handed to the window again, in the
// order they came, through its message queue.
#pragma once

#include <windows.h>

#include <vector>

#include "common/window_win.h"

namespace tavrel {

class StartupGate final : public MessageHook {
  public:
    // The commands and notification-area clicks held back.
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    // The start-up has ended: what was held is posted to `owner`.
    void Open(HWND owner);

  private:
    struct Held {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    bool open_ = false;
    std::vector<Held> held_;
};

}  // namespace tavrel
