// A control's messages seen before the control's own window procedure, for
// as long as the owner lives.
//
// ControlSubclass is the one way the program subclasses a control (the
// flat take-over, the hints). Like the window base it is the command
// boundary: nothing the handler throws leaves the subclass procedure; it
// is shown by the general error report, and a message the handler had not
// passed on yet still reaches the control.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

namespace tavrel {

// One message of a subclassed control, as its handler sees it.
class ControlMessage {
  public:
    ControlMessage(HWND control, UINT message, WPARAM wParam, LPARAM lParam)
        : control(control), message(message), wParam(wParam), lParam(lParam) {}

    // Hands the message, or another one in its place, on to the control's
    // own procedure (and the subclasses beneath) and gives its answer.
    LRESULT CallControl() { return CallControl(message, wParam, lParam); }
    LRESULT CallControl(UINT other, WPARAM otherWParam, LPARAM otherLParam);
    bool passedOn() const { return passedOn_; }
    LRESULT controlAnswer() const { return controlAnswer_; }

    const HWND control;
    const UINT message;
    const WPARAM wParam;
    const LPARAM lParam;

  private:
    bool passedOn_ = false;
    LRESULT controlAnswer_ = 0;
};

class ControlSubclass {
  public:
    // What the handler answers is the message's answer; as a rule it passes
    // the message on (CallControl) before or after its own work.
    using Handler = std::function<LRESULT(ControlMessage&)>;

    ControlSubclass() = default;
    // Subclasses the control; an empty owner when the platform refuses.
    ControlSubclass(HWND control, Handler handler);
    ControlSubclass(ControlSubclass&&) noexcept = default;
    ControlSubclass& operator=(ControlSubclass&& other) noexcept;
    ControlSubclass(const ControlSubclass&) = delete;
    ControlSubclass& operator=(const ControlSubclass&) = delete;
    ~ControlSubclass() { reset(); }

    // Removes the subclass; when the control has ended it went with it.
    void reset();
    // False once removed, and once the control has ended.
    explicit operator bool() const;

  private:
    struct State;
    static LRESULT CALLBACK Procedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                      UINT_PTR id, DWORD_PTR data);

    std::shared_ptr<State> state_;
};

}  // namespace tavrel
