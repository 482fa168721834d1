#include "app/startup_gate_win.h"

#include "app/control_window_win.h"

namespace tavrel {

bool StartupGate::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (open_ || (message != WM_COMMAND && message != kTrayMessage)) {
        return false;
    }
    held_.push_back({message, wParam, lParam});
    result = 0;
    return true;
}

void StartupGate::Open(HWND owner) {
    open_ = true;
    for (const Held& held : held_) {
        ::PostMessageW(owner, held.message, held.wParam, held.lParam);
    }
    held_.clear();
}

}  // namespace tavrel
