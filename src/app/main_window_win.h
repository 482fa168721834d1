// The control window MainCtr and the application window that carries the
// program's taskbar button. The control window owns the program's timers
// and, through its creation, runs the whole start-up configuration.
#pragma once

#include <windows.h>

#include <array>
#include <string>

#include "app/app_host_win.h"
#include "app/control_window_model.h"
#include "app/dispatcher.h"
#include "app/registry_win.h"
#include "app/settings.h"
#include "app/settings_store.h"
#include "app/tray_icon_win.h"
#include "common/unique_handle_win.h"
#include "desktop/desktop_win.h"

namespace tavrel {

inline constexpr wchar_t kControlWindowClass[] = L"TMainCtr";
inline constexpr wchar_t kApplicationWindowClass[] = L"TApplication";
// The notification-area icon's callback message.
inline constexpr UINT kTrayMessage = kTrayCallbackMessage;

class MainWindow final : private StartupActions, private ControlWindowOps {
public:
    MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;
    ~MainWindow() override;

    // Creates both windows, hidden, and runs FormCreate.
    bool Create(HINSTANCE instance);

    HWND handle() const { return control_; }
    HMENU MainMenu() const { return ppmMain_.get(); }
    HMENU SystemMenu() const { return ppmSystem_.get(); }
    ControlWindowModel& model() { return model_; }

private:
    static LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ApplicationProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

    void FormCreate();
    void CreateControls();
    void OnCommand(std::uint16_t command, bool fromButton);
    void Button(std::int32_t tag);
    void MenuItemClick(std::int32_t tag);
    void SeeAllArragnClick();
    void QuitClick();
    void ExitClick();
    void ShowHideAllIconClick();
    void Timer2Timer();
    void TrayNotify(LPARAM mouseMessage);
    void AddTrayIcon();
    void DeleteTrayIcon();
    void Timer1Timer();
    void OpenPopupMenu(HMENU menu, POINT at, UINT alignment);
    void ppmSystemPopup();
    void MeasureMenuPicture(MEASUREITEMSTRUCT& item) const;
    void DrawMenuPicture(const DRAWITEMSTRUCT& item) const;
    LRESULT WMNCHitTest(WPARAM wParam, LPARAM lParam);
    void Paint();
    void DrawButton(const DRAWITEMSTRUCT& item);
    // The caption strip: the full client height, as wide as its text.
    RECT MeasureCaptionStrip() const;

    // StartupActions: what loading the settings sets in motion.
    void ApplyTextColor() override;
    void PerformArrangement() override;
    void SetRefreshInterval() override;
    void SetShowHideCaption() override;
    void ApplySkin() override;
    void CreateShortcut(int folder, const std::wstring& name) override;
    bool AskWelcome(const std::wstring& text) override;
    void DemonstrateAll() override;

    // ControlWindowOps: the real windows.
    void ShowControl(bool show) override;
    void ShowApplication(bool show) override;
    void SetApplicationToolStyle(bool tool) override;

    Win32Desktop desktop_;
    Settings settings_;
    Win32SettingsRegistry registry_;
    AppHost host_;
    Dispatcher dispatcher_;
    ControlWindowModel model_;

    HINSTANCE instance_ = nullptr;
    HWND application_ = nullptr;
    HWND control_ = nullptr;
    HWND tooltip_ = nullptr;
    unique_hfont captionFont_;
    unique_hfont buttonFont_;
    unique_himagelist glyphs_;
    unique_himagelist imlIcon_;
    unique_hmenu ppmMain_;
    unique_hmenu ppmSystem_;
    std::int32_t trayFrame_ = 0;
    UINT taskbarCreated_ = 0;
    unique_hbrush background_;
    std::wstring captionText_;
    RECT captionStrip_{};
    COLORREF backgroundColour_ = RGB(0, 128, 192);
};

}  // namespace tavrel
