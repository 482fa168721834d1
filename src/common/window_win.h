// The one base of every window of the program.
//
// Window owns its handle, routes the messages of its window to the object
// through one thunk, lets message hooks see every message before the
// window itself does, and is the command boundary: nothing a hook or a
// handler throws leaves the window procedure; it is shown by the general
// error report instead.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
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

// A hook's attachment to a window: the hook sees the window's messages for
// as long as this owner lives. Its end detaches the hook; when the window
// object has gone first, there is nothing left to detach.
class HookAttachment {
  public:
    HookAttachment() = default;
    HookAttachment(const HookAttachment&) = delete;
    HookAttachment& operator=(const HookAttachment&) = delete;
    HookAttachment(HookAttachment&& other) noexcept;
    HookAttachment& operator=(HookAttachment&& other) noexcept;
    ~HookAttachment() { reset(); }

    void reset();
    explicit operator bool() const { return hook_ != nullptr && !hooks_.expired(); }

  private:
    friend class Window;
    using Hooks = std::vector<MessageHook*>;
    HookAttachment(const std::shared_ptr<Hooks>& hooks, MessageHook& hook)
        : hooks_(hooks), hook_(&hook) {}

    std::weak_ptr<Hooks> hooks_;
    MessageHook* hook_ = nullptr;
};

class Window {
  public:
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND hwnd() const { return window_.get(); }

    // The hook sees the window's messages while the returned owner lives;
    // the hook must outlive the owner.
    [[nodiscard]] HookAttachment AddHook(MessageHook& hook);

    // What the owner of a window made at run time does when the window
    // closes itself (its close button, a click, WM_CLOSE): as a rule it
    // frees the window. It is told once no window procedure or control
    // subclass of the program runs on this thread any more, so that the
    // window's own handlers have all returned when it goes.
    void OnClosed(std::function<void()> closed) { closed_ = std::move(closed); }

    // A class whose window procedure is the thunk; registering a class a
    // second time is harmless.
    static void RegisterWindowClass(WNDCLASSEXW windowClass);

  protected:
    Window() = default;
    // Destroys the window, if it still exists, without involving the derived
    // object any more: by now its members are gone.
    virtual ~Window();

    // Creates the window for this object; null on failure.
    HWND CreateFor(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                   int x, int y, int width, int height, HWND parent, HINSTANCE instance);
    // Ends the window now; the object stays and can create it again.
    void Destroy() { window_.reset(); }
    // The window has closed itself: its owner hears of it (OnClosed) after
    // the handlers that run now, or at once when none runs. Since the owner
    // may free the object there, this is the last thing its caller does.
    void Closed();

    // What the window itself does with a message no hook answered.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    static LRESULT CALLBACK Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    LRESULT Route(UINT message, WPARAM wParam, LPARAM lParam);
    // Tells the owners of the windows that closed, one after another.
    static void TellClosed() noexcept;
    friend class HandlerFrame;

    unique_hwnd window_;
    std::shared_ptr<HookAttachment::Hooks> hooks_ = std::make_shared<HookAttachment::Hooks>();
    std::function<void()> closed_;
};

// One window procedure or control subclass of the program running on this
// thread, from its start to its end. When the outermost one ends, the
// owners of the windows that closed meanwhile are told (Window::OnClosed).
class HandlerFrame {
  public:
    HandlerFrame() noexcept;
    HandlerFrame(const HandlerFrame&) = delete;
    HandlerFrame& operator=(const HandlerFrame&) = delete;
    ~HandlerFrame();
};

}  // namespace tavrel
