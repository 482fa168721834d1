#include "common/window_win.h"

#include <algorithm>

#include "common/error_report_win.h"

namespace tavrel {
namespace {

// The window procedures and control subclasses of the program that run on
// this thread now, and the windows whose owners are still to hear that they
// closed.
thread_local int t_runningHandlers = 0;
thread_local std::vector<Window*> t_closed;
thread_local bool t_telling = false;

}  // namespace

HookAttachment::HookAttachment(HookAttachment&& other) noexcept
    : hooks_(std::move(other.hooks_)), hook_(std::exchange(other.hook_, nullptr)) {}

HookAttachment& HookAttachment::operator=(HookAttachment&& other) noexcept {
    if (this != &other) {
        reset();
        hooks_ = std::move(other.hooks_);
        hook_ = std::exchange(other.hook_, nullptr);
    }
    return *this;
}

void HookAttachment::reset() {
    if (const std::shared_ptr<Hooks> hooks = hooks_.lock(); hooks && hook_ != nullptr) {
        const auto found = std::find(hooks->begin(), hooks->end(), hook_);
        if (found != hooks->end()) {
            hooks->erase(found);
        }
    }
    hooks_.reset();
    hook_ = nullptr;
}

HandlerFrame::HandlerFrame() noexcept {
    ++t_runningHandlers;
}

HandlerFrame::~HandlerFrame() {
    if (--t_runningHandlers == 0) {
        Window::TellClosed();
    }
}

HookAttachment Window::AddHook(MessageHook& hook) {
    hooks_->push_back(&hook);
    return HookAttachment(hooks_, hook);
}

void Window::RegisterWindowClass(WNDCLASSEXW windowClass) {
    windowClass.cbSize = sizeof(windowClass);
    windowClass.lpfnWndProc = Thunk;
    ::RegisterClassExW(&windowClass);
}

Window::~Window() {
    std::erase(t_closed, this);
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

void Window::Closed() {
    if (!closed_) {
        return;
    }
    if (std::find(t_closed.begin(), t_closed.end(), this) == t_closed.end()) {
        t_closed.push_back(this);
    }
    if (t_runningHandlers == 0) {
        TellClosed();
    }
}

void Window::TellClosed() noexcept {
    // A window freed here sends its last messages, whose frames end here
    // again: one round of telling at a time.
    if (t_telling) {
        return;
    }
    t_telling = true;
    while (!t_closed.empty()) {
        Window* window = t_closed.front();
        t_closed.erase(t_closed.begin());
        // A copy: the owner may free the window, and its handler with it.
        const std::function<void()> closed = window->closed_;
        if (closed) {
            GuardCommand(nullptr, [&] { closed(); });
        }
    }
    t_telling = false;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return DefaultHandling(message, wParam, lParam);
}

LRESULT Window::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::DefWindowProcW(window_.get(), message, wParam, lParam);
}

LRESULT Window::Route(UINT message, WPARAM wParam, LPARAM lParam) {
    // A hook may detach itself or another while it runs: walk a copy, and
    // pass over those no longer attached.
    const std::shared_ptr<HookAttachment::Hooks> live = hooks_;
    const HookAttachment::Hooks hooks = *live;
    for (MessageHook* hook : hooks) {
        if (std::find(live->begin(), live->end(), hook) == live->end()) {
            continue;
        }
        LRESULT result = 0;
        if (hook->Handle(message, wParam, lParam, result)) {
            return result;
        }
    }
    return HandleMessage(message, wParam, lParam);
}

LRESULT CALLBACK Window::Thunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    // Ends after everything below: a window that closed itself meanwhile is
    // freed by its owner only once this frame, if it is the outermost, has
    // let go of the object.
    const HandlerFrame frame;
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
