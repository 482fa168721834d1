#include "common/window_timers_win.h"

namespace tavrel {
namespace {

class Win32Timers final : public WindowTimers {
  public:
    void Set(HWND window, UINT_PTR id, UINT milliseconds) override {
        ::SetTimer(window, id, milliseconds, nullptr);
    }
    void Kill(HWND window, UINT_PTR id) override { ::KillTimer(window, id); }
};

}  // namespace

WindowTimers& SystemTimers() {
    static Win32Timers timers;
    return timers;
}

}  // namespace tavrel
