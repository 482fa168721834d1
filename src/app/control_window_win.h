// The control window MainCtr: a small borderless panel with a caption strip
// to drag it by and one picture button per arrangement. Its commands run
// through the program's command table; everything else that happens on it
// (the notification-area icon, the timers, the styling) is attached as
// message hooks.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/control_window_model.h"
#include "app/tray_icon_win.h"
#include "common/command_table.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"
#include "desktop/desktop.h"
#include "styling/balloon_hint.h"
#include "styling/balloon_hint_win.h"

namespace tavrel {

inline constexpr wchar_t kControlWindowClass[] = L"TMainCtr";
// The notification-area icon's callback message.
inline constexpr UINT kTrayMessage = kTrayCallbackMessage;

class ControlWindow final : public Window, public ControlWindowOps {
  public:
    ControlWindow(ControlWindowModel& model, const CommandTable& commands, BalloonHints& hints)
        : model_(model), commands_(commands), hints_(hints), hintStyler1_(hints.application()) {}

    // The window and its controls, hidden; `application` owns it.
    bool Create(HINSTANCE instance, HWND application);
    // Hints: shown 5 ms after the pointer rests, the next one 100 ms after
    // moving on, gone after 10 seconds.
    void SetHintTiming();

    // The window's colour: a colour value, or a system colour reference
    // that is resolved whenever the window is painted.
    void SetColour(ColorRef colour);
    ColorRef colour() const { return colour_; }
    // The 33 picture buttons in the order of the layout table, and their
    // pictures.
    const std::vector<HWND>& PictureButtons() const { return pictureButtons_; }
    HIMAGELIST Glyphs() const { return glyphs_.get(); }
    const THintStyler& hintStyler1() const { return hintStyler1_; }

    // ControlWindowOps: the real windows.
    void ShowControl(bool show) override;
    void ShowApplication(bool show) override;
    void SetApplicationToolStyle(bool tool) override;

  private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void CreateControls(HINSTANCE instance);
    void OnCommand(WPARAM wParam, LPARAM lParam);
    LRESULT WMNCHitTest(WPARAM wParam, LPARAM lParam);
    void Paint();
    // The close button: its picture, the second one while it is pressed.
    void DrawQuit(const DRAWITEMSTRUCT& item);
    // The brush of the window's colour as it is now.
    HBRUSH BackgroundBrush();
    // The caption strip: the full client height, as wide as its text.
    RECT MeasureCaptionStrip() const;

    ControlWindowModel& model_;
    const CommandTable& commands_;
    BalloonHints& hints_;
    // The balloons of all the program's hints take their look from here.
    THintStyler hintStyler1_;
    std::unique_ptr<BalloonHints::Attachment> hintsAttachment_;
    HWND application_ = nullptr;
    unique_hfont captionFont_;
    unique_hfont buttonFont_;
    unique_himagelist glyphs_;
    std::vector<HWND> pictureButtons_;
    HWND quit_ = nullptr;
    // The control that had the focus when the window was last deactivated.
    HWND focused_ = nullptr;
    std::wstring captionText_;
    RECT captionStrip_{};
    ColorRef colour_ = 0xC08000;  // RGB(0, 128, 192)
    unique_hbrush ownBrush_;
    ColorRef ownBrushColour_ = 0;
};

// Pictures from consecutive bitmap resources, magenta transparent.
unique_himagelist LoadPictures(HINSTANCE instance, int firstResource, int count);

}  // namespace tavrel
