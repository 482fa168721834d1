// The one base of every window of the program.
//
// Window owns its handle, routes the messages of its window to the object
// through one thunk, lets message hooks see every message before the
// window itself does, and is the command boundary: nothing a hook or a
// handler throws leaves the window procedure; it is shown by the general
// error report instead.
#pragma once

#include <windows.h>

#include <vector>

#include "common/unique_handle_win.h"

namespace tavrel {

// Something that styles or extends a window without the window knowing it
// (the menu painter, the take-over of the controls, the hints, the
// notification-area icon). Hooks see the messages in the order in which
// they were added.
class MessageHook {
public:
    virtual ~MessageHook() = default;
    // True when the hook answered the message; `result` then holds the
    // answer and neither later hooks nor the window see it.
    virtual bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) = 0;
};

class Window {
public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return window_.get(); }

    // The hook must outlive its attachment (RemoveHook, or the window's end).
    void AddHook(MessageHook& hook);
    void RemoveHook(MessageHook& hook);

    // A class whose window procedure is the thunk; registering a class a
    // second time is harmless.
    static void RegisterWindowClass(WNDCLASSEXW windowClass);

protected:
    Window() = default;
    // Destroys the window, if it still exists, without involving the derived
    // object any more: by now its members are gone.
    virtual ~Window();

    // Creates the window for this object; null on failure.
    HWND CreateFor(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style, int x,
                   int y, int width, int height, HWND parent, HINSTANCE instance);
    // Ends the window now; the object stays and can create it again.
    void Destroy() { window_.reset(); }

    // What the window itself does with a message no hook answered.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const;

private:
    static LRESULT CALLBACK Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);

    unique_hwnd window_;
    std::vector<MessageHook*> hooks_;
};

}  // namespace tavrel
