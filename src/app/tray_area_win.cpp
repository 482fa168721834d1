#include "app/tray_area_win.h"

#include <commctrl.h>

#include <optional>

#include "core/commands.h"
#include "app/control_layout.h"
#include "app/control_window_win.h"
#include "core/menus.h"
#include "app/menus_win.h"
#include "core/registry_win.h"
#include "app/tray_animation.h"
#include "app/tray_icon_win.h"
#include "resources/resource_ids.h"

namespace tavrel {
namespace {

constexpr UINT_PTR kTimer1 = 1;
constexpr int kFirstMenuPictureResource = 2000;
constexpr int kMenuPictureCount = 57;

}  // namespace

void TrayArea::Create(HINSTANCE instance, HWND owner) {
    instance_ = instance;
    owner_ = owner;
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    imlIcon_ = LoadPictures(instance, kFirstMenuPictureResource, kMenuPictureCount);
    ppmMain_ = BuildPopupMenu(MainMenuEntries());
    ppmSystem_ = BuildPopupMenu(SystemMenuEntries());
}

void TrayArea::StartAnimation() {
    trayFrame_ = 0;
    ::SetTimer(owner_, kTimer1, kFirstAnimationTickMs, nullptr);
}

void TrayArea::StopAnimation() {
    ::KillTimer(owner_, kTimer1);
}

void TrayArea::AddIcon() {
    TrayIcon(owner_).Add(::LoadIconW(instance_, MAKEINTRESOURCEW(IDI_TAVREL)));
    iconAdded_ = true;
    if (!pendingText_.empty()) {
        TrayIcon(owner_).Notify(pendingTitle_, pendingText_);
        pendingTitle_.clear();
        pendingText_.clear();
    }
}

void TrayArea::Notify(const std::wstring& title, const std::wstring& text) {
    // Start-up performs the stored arrangement before the icon exists.
    if (!iconAdded_) {
        pendingTitle_ = title;
        pendingText_ = text;
        return;
    }
    TrayIcon(owner_).Notify(title, text);
}

void TrayArea::DeleteIcon() {
    TrayIcon(owner_).Delete();
}

void TrayArea::SetShowHideCaption(std::int32_t showHideIcon) {
    SetMenuCaption(ppmMain_.get(), kCmdShowHideAllIcon, ShowHideCaption(showHideIcon));
}

bool TrayArea::Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    switch (message) {
        case kTrayMessage:
            ::DefWindowProcW(owner_, message, wParam, lParam);
            TrayNotify(lParam);
            result = 0;
            return true;
        case WM_TIMER:
            if (wParam != kTimer1) {
                return false;
            }
            Timer1Timer();
            result = 0;
            return true;
        default:
            // The shell's taskbar was made anew (the shell restarted): put
            // the icon back, or the program could no longer be reached.
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                AddIcon();
                result = 0;
                return true;
            }
            return false;
    }
}

void TrayArea::TrayNotify(LPARAM mouseMessage) {
    RECT workArea{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &workArea, 0);
    POINT cursor{};
    switch (mouseMessage) {
        case WM_RBUTTONUP:
            ::GetCursorPos(&cursor);
            ppmSystemPopup();
            OpenPopupMenu(ppmSystem_.get(), {cursor.x + 45, workArea.bottom + 9}, TPM_LEFTALIGN);
            break;
        case WM_LBUTTONUP:
            ::GetCursorPos(&cursor);
            OpenPopupMenu(ppmMain_.get(), {cursor.x + 10, workArea.bottom + 1}, TPM_CENTERALIGN);
            break;
        case WM_LBUTTONDBLCLK:
            model_.ShowControlWindow();
            break;
        default:
            break;
    }
}

void TrayArea::OpenPopupMenu(HMENU menu, POINT at, UINT alignment) {
    // A menu opened from a notification-area icon closes on a click
    // elsewhere only when its owner is the foreground window; the null
    // message afterwards lets the menu's end be seen at once.
    ::SetForegroundWindow(owner_);
    constexpr UINT kNoAnimation = TPM_NOANIMATION | TPM_HORPOSANIMATION | TPM_HORNEGANIMATION |
                                  TPM_VERPOSANIMATION | TPM_VERNEGANIMATION;
    ::TrackPopupMenu(menu, alignment | TPM_RIGHTBUTTON | kNoAnimation, at.x, at.y, 0, owner_,
                     nullptr);
    ::PostMessageW(owner_, WM_NULL, 0, 0);
}

void TrayArea::ppmSystemPopup() {
    // A value of the wrong type throws here, and the menu does not open.
    const std::optional<std::wstring> caption = ReadAutoRunCaption(registry_, settingsRoot_);
    if (!caption) {
        // The menu still opens afterwards.
        ::MessageBoxW(owner_, L"打开注册表失败！", L"错误", MB_OK | MB_ICONERROR);
        return;
    }
    SetMenuCaption(ppmSystem_.get(), kCmdAutoRun, *caption);
}

void TrayArea::Timer1Timer() {
    const AnimationStep step =
        NextAnimationStep(trayFrame_, ::ImageList_GetImageCount(imlIcon_.get()));
    trayFrame_ = step.frame;
    ::SetTimer(owner_, kTimer1, step.nextIntervalMs, nullptr);
    // The shell keeps its own copy of the icon.
    unique_hicon frame(::ImageList_GetIcon(imlIcon_.get(), trayFrame_, ILD_TRANSPARENT));
    TrayIcon(owner_).Modify(frame.get());
}

}  // namespace tavrel
