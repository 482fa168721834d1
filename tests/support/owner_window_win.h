// A small window standing in for the control window in tests: the owner of
// the boxes and dialogs a command shows.
#pragma once

#include <windows.h>

#include "common/window_win.h"

namespace tavrel::testing {

class OwnerWindow : public Window {
  public:
    // `shown`: on the screen, where a test needs an owner that can be seen
    // and activated.
    bool Create(bool shown = true) {
        WNDCLASSEXW ownerClass{};
        ownerClass.hInstance = ::GetModuleHandleW(nullptr);
        ownerClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        ownerClass.lpszClassName = L"TavrelTestOwner";
        RegisterWindowClass(ownerClass);
        return CreateFor(0, L"TavrelTestOwner", L"Tavrel", WS_POPUP | (shown ? WS_VISIBLE : 0u),
                         100, 100, 50, 50, nullptr, ownerClass.hInstance) != nullptr;
    }
};

// One that exists, hidden, from its construction on.
class HiddenOwnerWindow final : public OwnerWindow {
  public:
    HiddenOwnerWindow() { Create(false); }
};

}  // namespace tavrel::testing
