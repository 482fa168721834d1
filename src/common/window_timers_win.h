// The timers of a window: the system's, or ones a test puts in to see when
// a countdown starts and to fire it itself.
#pragma once

#include <windows.h>

namespace tavrel {

class WindowTimers {
  public:
    virtual ~WindowTimers() = default;
    // Starts the countdown of the window's timer `id` anew.
    virtual void Set(HWND window, UINT_PTR id, UINT milliseconds) = 0;
    virtual void Kill(HWND window, UINT_PTR id) = 0;
};

// SetTimer and KillTimer.
WindowTimers& SystemTimers();

}  // namespace tavrel
