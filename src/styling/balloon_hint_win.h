// The application's hints, drawn as balloons.
//
// BalloonHints is the program's hint machinery: windows register tools with
// it (a child control with its text, or a rectangle of a window with its
// text); it watches the pointer over every window of the thread through a
// message hook, runs the hint timing, measures each text and has the one
// hint window, TBalloonHintWindow, show it. A THintStyler installed into it
// gives every balloon its look, whichever window the hint belongs to.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/unique_handle_win.h"
#include "styling/balloon_hint.h"
#include "styling/hint_timing.h"

namespace tavrel {

inline constexpr wchar_t kBalloonHintWindowClass[] = L"TBalloonHintWindow";

namespace detail {
inline void UnhookHook(HHOOK hook) {
    ::UnhookWindowsHookEx(hook);
}
}  // namespace detail
using unique_hhook = unique_any<HHOOK, detail::UnhookHook>;

// The hint window: a borderless top-most popup of the class
// kBalloonHintWindowClass (CS_SAVEBITS) that never takes the focus and lets
// the mouse through. Each activation captures the screen behind the balloon
// and the paint draws the balloon onto that capture, so the desktop shows
// around the rounded corners, around the tail and between the shadow dots.
class TBalloonHintWindow {
  public:
    // Creates the hidden window; sets the application's hint colour to the
    // desktop's colour.
    TBalloonHintWindow(HINSTANCE instance, ApplicationHints& application);
    TBalloonHintWindow(const TBalloonHintWindow&) = delete;
    TBalloonHintWindow& operator=(const TBalloonHintWindow&) = delete;
    ~TBalloonHintWindow();

    HWND window() const { return window_.get(); }

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
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Paint();

    unique_hwnd window_;
    const THintStyler* styler_ = nullptr;
    THintDirection direction_ = THintDirection::hdUpRight;
    std::wstring text_;
    // The screen behind the window, with the balloon painted onto it by the
    // first paint; later paints show it as it is. Kept until the hint goes.
    unique_hbitmap capture_;
    bool painted_ = false;
};

// One per user-interface thread.
class BalloonHints {
  public:
    explicit BalloonHints(HINSTANCE instance);
    BalloonHints(const BalloonHints&) = delete;
    BalloonHints& operator=(const BalloonHints&) = delete;
    ~BalloonHints();

    // The settings the timing reads: pauses, hint colour, hints on or off.
    ApplicationHints& application() { return application_; }

    // Makes the styler's balloons the application's hints: the hint window
    // is created anew and uses the styler from now on. Run again after the
    // styler's font changed.
    void Install(const THintStyler& styler);

    // A child control and its hint. An empty text lets the hint of the
    // window beneath the control show.
    HintToolId AddTool(HWND control, std::wstring text);
    // A rectangle of a window's client area and its hint. Where rectangles
    // overlap, the one added first counts.
    HintToolId AddTool(HWND window, const RECT& rect, std::wstring text);
    void SetToolText(HintToolId tool, std::wstring text);
    // Forgets the tools of a top-level window and of its controls; to be
    // called when the window is destroyed.
    void RemoveTools(HWND window);

    // Hides the hint shown; it comes back only over another tool.
    void CancelHint();

    // The tool whose hint shows with the pointer at a screen point: the
    // innermost window there (disabled controls included), its control
    // tool, else its first rectangle containing the point, else the same
    // for the windows it lies on.
    HintToolId ToolAt(POINT screenPoint) const;

    const TBalloonHintWindow* hintWindow() const { return hintWindow_.get(); }
    const HintTiming& timing() const { return timing_; }

  private:
    struct Tool {
        HintToolId id = kNoHintTool;
        HWND owner = nullptr;   // the top-level window
        HWND window = nullptr;  // the control, or the window of the rectangle
        bool isControl = false;
        RECT rect{};
        std::wstring text;
    };

    static LRESULT CALLBACK GetMessageHook(int code, WPARAM wParam, LPARAM lParam);
    static void CALLBACK TimerProc(HWND window, UINT message, UINT_PTR id, DWORD time);
    void OnMessage(const MSG& message);
    void PointerMoved();
    void Apply(HintStep step);
    void Reschedule();
    std::uint64_t Now();
    const Tool* Find(HintToolId tool) const;

    HINSTANCE instance_;
    ApplicationHints application_;
    HintTiming timing_{application_};
    const THintStyler* styler_ = nullptr;
    std::unique_ptr<TBalloonHintWindow> hintWindow_;
    std::vector<Tool> tools_;
    HintToolId nextTool_ = 1;
    unique_hhook hook_;
    UINT_PTR timer_ = 0;
    DWORD lastTick_ = 0;
    std::uint64_t clock_ = 0;
    POINT lastPoint_{-1, -1};
    HintToolId lastTool_ = kNoHintTool;
};

}  // namespace tavrel
