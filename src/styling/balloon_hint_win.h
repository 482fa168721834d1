// The application's hints, drawn as balloons.
//
// BalloonHints is the program's hint machinery. A window attaches to it
// (as a message hook) and registers its tools: a child control with its
// text, or a rectangle of the window with its text. The hints see the
// pointer through the window's hook and through a subclass of each control
// tool, run the hint timing, measure each text and have the one hint
// window, TBalloonHintWindow, show it. The THintStyler installed into them
// gives every balloon its look, whichever window the hint belongs to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/control_subclass_win.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "styling/balloon_hint.h"
#include "styling/hint_timing.h"

namespace tavrel {

inline constexpr wchar_t kBalloonHintWindowClass[] = L"TBalloonHintWindow";

// The hint window: a borderless top-most popup of the class
// kBalloonHintWindowClass (CS_SAVEBITS) that never takes the focus and lets
// the mouse through. Each activation captures the screen behind the balloon
// and the paint draws the balloon onto that capture, so the desktop shows
// around the rounded corners, around the tail and between the shadow dots.
class TBalloonHintWindow final : public Window {
  public:
    // Creates the hidden window; sets the application's hint colour to the
    // desktop's colour.
    TBalloonHintWindow(HINSTANCE instance, ApplicationHints& application);

    // The framework's rectangle for a text: measured in the font with word
    // breaks, at most as wide as the screen, plus the text margins.
    HintSize CalcHintRect(std::wstring_view text, const THintFont& font) const;
    // Chooses the side of the pointer, grows the rectangle to the balloon's
    // size, captures the screen there and shows the window (without the
    // focus) at first exactly as the screen was; the next paint draws the
    // balloon. The styler must outlive the shown hint.
    void ActivateHint(const THintStyler& styler, HintSize frameworkRect, std::wstring_view text);
    // Hides the window and lets go of the capture.
    void Hide();

    bool Showing() const;
    THintDirection direction() const { return direction_; }
    const std::wstring& text() const { return text_; }

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    const THintStyler* styler_ = nullptr;
    THintDirection direction_ = THintDirection::hdUpRight;
    std::wstring text_;
    // The screen behind the window, with the balloon painted onto it by the
    // first paint; later paints show it as it is. Kept until the hint goes.
    unique_hbitmap capture_;
    bool painted_ = false;
};

// The time as the hints count it, in milliseconds from any start: the
// system's tick count, or a test's own clock.
class HintClock {
  public:
    virtual ~HintClock() = default;
    virtual std::uint64_t NowMs() = 0;
};

// The system's tick count, carried past its wrap after 49.7 days.
class TickClock final : public HintClock {
  public:
    TickClock();
    std::uint64_t NowMs() override;

  private:
    DWORD lastTick_;
    std::uint64_t clock_ = 0;
};

// One per user-interface thread; it outlives the windows attached to it.
class BalloonHints {
  public:
    class Attachment;

    // `clock` must outlive the hints; the system's tick count when null.
    explicit BalloonHints(HintClock* clock = nullptr);
    BalloonHints(const BalloonHints&) = delete;
    BalloonHints& operator=(const BalloonHints&) = delete;

    // The settings the timing reads: pauses, hint colour, hints on or off.
    ApplicationHints& application() { return application_; }

    // Makes the styler's balloons the application's hints: the hint window
    // is created anew and uses the styler from now on. Run again after the
    // styler's font changed.
    void Install(HINSTANCE instance, const THintStyler& styler);

    // The window's own mouse messages reach the hints while the returned
    // owner lives. When it goes, or the window ends first, the window's
    // tools go too, and their controls are let go of.
    [[nodiscard]] std::unique_ptr<Attachment> Attach(Window& window);

    // A child control and its hint; the control is subclassed to see the
    // pointer over it. An empty text lets the hint of the window beneath
    // the control show.
    HintToolId AddTool(HWND control, std::wstring text);
    // A rectangle of an attached window's client area and its hint. Where
    // rectangles overlap, the one added first counts.
    HintToolId AddTool(HWND window, const RECT& rect, std::wstring text);
    void SetToolText(HintToolId tool, std::wstring text);
    // A rectangle tool's new place (a label that grew or shrank).
    void SetToolRect(HintToolId tool, const RECT& rect);

    // Hides the hint shown; it comes back only over another tool.
    void CancelHint();
    // What the hint timer does when it fires: shows a hint that is due or
    // hides one whose time is up. A clock of a test's own calls it when it
    // has moved on.
    void TimePassed();

    // The tool whose hint shows with the pointer at a screen point: the
    // innermost window there (disabled controls included), its control
    // tool, else its first rectangle containing the point, else the same
    // for the windows it lies on.
    HintToolId ToolAt(POINT screenPoint) const;

    const TBalloonHintWindow* hintWindow() const { return hintWindow_.get(); }

  private:
    struct Tool {
        HintToolId id = kNoHintTool;
        HWND owner = nullptr;   // the top-level window
        HWND window = nullptr;  // the control, or the window of the rectangle
        bool isControl = false;
        RECT rect{};
        std::wstring text;
    };

    // The hint timer, on the hint window.
    class Timer final : public MessageHook {
      public:
        explicit Timer(BalloonHints& hints) : hints_(hints) {}
        bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

      private:
        BalloonHints& hints_;
    };

    // A mouse message of an attached window or a control tool.
    void OnMouseMessage(HWND window, UINT message);
    LRESULT OnControlMessage(ControlMessage& message);
    void PointerMoved();
    void RemoveTools(HWND window);
    void Apply(HintStep step);
    void Reschedule();
    std::uint64_t Now();
    const Tool* Find(HintToolId tool) const;

    ApplicationHints application_;
    HintTiming timing_{application_};
    const THintStyler* styler_ = nullptr;
    Timer timer_{*this};
    std::unique_ptr<TBalloonHintWindow> hintWindow_;
    HookAttachment timerHook_;
    std::vector<Tool> tools_;
    // One subclass for each control that has a tool.
    std::map<HWND, ControlSubclass> controls_;
    HintToolId nextTool_ = 1;
    bool timerSet_ = false;
    TickClock tickClock_;
    HintClock& clock_;
    POINT lastPoint_{-1, -1};
    HintToolId lastTool_ = kNoHintTool;
};

// The hook on an attached window.
class BalloonHints::Attachment final : public MessageHook {
  public:
    Attachment(BalloonHints& hints, Window& window);
    Attachment(const Attachment&) = delete;
    Attachment& operator=(const Attachment&) = delete;
    ~Attachment() override;
    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    BalloonHints& hints_;
    HWND window_;  // null once the window has ended
    HookAttachment hook_;
};

}  // namespace tavrel
