#include "common/window_win.h"

#include <algorithm>

#include "common/error_report_win.h"

namespace tavrel {

void Window::AddHook(MessageHook& hook) { hooks_.push_back(&hook); }

void Window::RemoveHook(MessageHook& hook) {
    hooks_.erase(std::remove(hooks_.begin(), hooks_.end(), &hook), hooks_.end());
}

void Window::RegisterWindowClass(WNDCLASSEXW windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Thunk;
    ::RegisterClassExW(&windowClass);
}

Window::~Window() {
    if (window_) {
        ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
        window_.reset();
    }
}

HWND Window::CreateFor(DWORD exStyle, const wchar_t* className, const wchar_t* title, DWORD style,
                       int x, int y, int width, int height, HWND parent, HINSTANCE instance) {
    window_.reset();
    // The thunk takes ownership of the handle at WM_NCCREATE, so that the
    // messages of the creation itself already reach this object.
    const HWND created = ::CreateWindowExW(exStyle, className, title, style, x, y, width, height,
                                           parent, nullptr, instance, this);
    return created != nullptr ? window_.get() : nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT Window::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    // A hook may detach itself (or another) while it runs: walk a copy.
    const std::vector<MessageHook*> hooks = hooks_;
    for (MessageHook* hook : hooks) {
        LRESULT result = 0;
        if (hook->Handle(message, wParam, lParam, result)) {
            return result;
        }
    }
    return HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Window::Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_.reset(window);
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    LRESULT result = 0;
    bool answered = false;
    GuardCommand(window, [&] {
        result = self->Route(message, wParam, lParam);
        answered = true;
    });
    if (message == WM_NCDESTROY) {
        // The window is ending on its own (or through its owner): the object
        // lets go of the handle instead of destroying it a second time.
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->window_.release();
    }
    return answered ? result : 0;
}

}  // namespace tavrel
