// The program's face in the notification area: the animated icon, its
// clicks, and the two popup menus it opens. It lives on the control window
// as a message hook: the callback message, the animation timer and the
// shell's "TaskbarCreated" are its messages. The menus are drawn by the menu
// painter, another hook of the same window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "core/control_window_model.h"
#include "common/registry.h"
#include "common/unique_handle_win.h"
#include "common/window_win.h"

namespace tavrel {

class TrayArea final : public MessageHook {
  public:
    TrayArea(ControlWindowModel& model, RegistryAccess& registry, RegistryRoot settingsRoot)
        : model_(model), registry_(registry), settingsRoot_(settingsRoot) {}

    // The menus and pictures; the icon comes later, with AddIcon.
    void Create(HINSTANCE instance, HWND owner);

    // TrayFrame back to the first picture, and the animation timer started.
    void StartAnimation();
    void StopAnimation();
    void AddIcon();
    // A balloon beside the icon; one asked for before the icon is there
    // comes when it is added.
    void Notify(const std::wstring& title, const std::wstring& text);
    void DeleteIcon();

    HMENU MainMenu() const { return ppmMain_.get(); }
    HMENU SystemMenu() const { return ppmSystem_.get(); }
    HIMAGELIST Pictures() const { return imlIcon_.get(); }
    void SetShowHideCaption(std::int32_t showHideIcon);

    bool Handle(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void TrayNotify(LPARAM mouseMessage);
    void Timer1Timer();
    void OpenPopupMenu(HMENU menu, POINT at, UINT alignment);
    void ppmSystemPopup();

    ControlWindowModel& model_;
    RegistryAccess& registry_;
    RegistryRoot settingsRoot_;
    HINSTANCE instance_ = nullptr;
    HWND owner_ = nullptr;
    unique_himagelist imlIcon_;
    unique_hmenu ppmMain_;
    unique_hmenu ppmSystem_;
    std::int32_t trayFrame_ = 0;
    UINT taskbarCreated_ = 0;
    bool iconAdded_ = false;
    std::wstring pendingTitle_;
    std::wstring pendingText_;
};

}  // namespace tavrel
