#include "common/control_subclass_win.h"

#include <commctrl.h>

#include "common/error_report_win.h"
#include "common/window_win.h"

namespace tavrel {

// Kept alive by a running procedure as well as by the owner: the handler
// may end its own owner (a control that ends, a take-over given up).
struct ControlSubclass::State : std::enable_shared_from_this<State> {
    HWND control = nullptr;  // null once the subclass is removed
    Handler handler;
};

LRESULT ControlMessage::CallControl(UINT other, WPARAM otherWParam, LPARAM otherLParam) {
    passedOn_ = true;
    controlAnswer_ = ::DefSubclassProc(control, other, otherWParam, otherLParam);
    return controlAnswer_;
}

ControlSubclass::ControlSubclass(HWND control, Handler handler) {
    auto state = std::make_shared<State>();
    state->control = control;
    state->handler = std::move(handler);
    // The state is the subclass's identity, so that several owners can
    // subclass one control.
    const auto id = reinterpret_cast<UINT_PTR>(state.get());
    if (control != nullptr &&
        ::SetWindowSubclass(control, &Procedure, id, reinterpret_cast<DWORD_PTR>(state.get()))) {
        state_ = std::move(state);
    }
}

ControlSubclass& ControlSubclass::operator=(ControlSubclass&& other) noexcept {
    if (this != &other) {
        reset();
        state_ = std::move(other.state_);
    }
    return *this;
}

ControlSubclass::operator bool() const {
    return state_ != nullptr && state_->control != nullptr;
}

void ControlSubclass::reset() {
    if (const std::shared_ptr<State> state = std::move(state_);
        state && state->control != nullptr) {
        ::RemoveWindowSubclass(state->control, &Procedure, reinterpret_cast<UINT_PTR>(state.get()));
        state->control = nullptr;
    }
}

LRESULT CALLBACK ControlSubclass::Procedure(HWND control, UINT message, WPARAM wParam,
                                            LPARAM lParam, UINT_PTR id, DWORD_PTR data) {
    // First, so that it ends last: a window closed meanwhile is freed only
    // once nothing here touches the state any more.
    const HandlerFrame frame;
    const std::shared_ptr<State> state = reinterpret_cast<State*>(data)->weak_from_this().lock();
    ControlMessage event(control, message, wParam, lParam);
    LRESULT result = 0;
    bool answered = false;
    if (state && state->control != nullptr) {
        GuardCommand(control, [&] {
            result = state->handler(event);
            answered = true;
        });
    }
    if (!answered) {
        result = event.passedOn() ? event.controlAnswer() : event.CallControl();
    }
    if (message == WM_NCDESTROY && state && state->control != nullptr) {
        // The control has ended: its subclass goes with it.
        ::RemoveWindowSubclass(control, &Procedure, id);
        state->control = nullptr;
    }
    return result;
}

}  // namespace tavrel
