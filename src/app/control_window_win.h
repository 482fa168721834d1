// The control window MainCtr: a small borderless panel with a caption strip
// to drag it by and one picture button per arrangement. Its commands run
// through the program's command table; everything else that happens on it
// (the notification-area icon, the timers, the styling) is attached as
// message hooks.
#pragma once

#include <windows.h>

#include <string>

#include "app/control_window_model.h"
#include "app/tray_icon_win.h"
#include "common/command_table.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"

namespace tavrel {

inline constexpr wchar_t kControlWindowClass[] = L"TMainCtr";
// The notification-area icon's callback message.
inline constexpr UINT kTrayMessage = kTrayCallbackMessage;

class ControlWindow final : public Window, public ControlWindowOps {
public:
    ControlWindow(ControlWindowModel& model, const CommandTable& commands)
        : model_(model), commands_(commands) {}

    // The window and its controls, hidden; `application` owns it.
    bool Create(HINSTANCE instance, HWND application);
    // Hints: shown 5 ms after the pointer rests, the next one 100 ms after
    // moving on, gone after 10 seconds.
    void SetHintTiming();

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
    void DrawButton(const DRAWITEMSTRUCT& item);
    // The caption strip: the full client height, as wide as its text.
    RECT MeasureCaptionStrip() const;

    ControlWindowModel& model_;
    const CommandTable& commands_;
    HWND application_ = nullptr;
    HWND tooltip_ = nullptr;
    unique_hfont captionFont_;
    unique_hfont buttonFont_;
    unique_himagelist glyphs_;
    unique_hbrush background_;
    std::wstring captionText_;
    RECT captionStrip_{};
    COLORREF backgroundColour_ = RGB(0, 128, 192);
};

// Pictures from consecutive bitmap resources, magenta transparent.
unique_himagelist LoadPictures(HINSTANCE instance, int firstResource, int count);

}  // namespace tavrel
