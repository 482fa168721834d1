// The commands of the help, about and contact windows: the contact requests
// and the first-use tips of the program menu, the help and about windows,
// and the splash shown while the program starts.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "core/control_window_model.h"
#include "common/command_table.h"
#include "windows/about_box_win.h"
#include "windows/contact.h"
#include "windows/help_me_win.h"

namespace tavrel {

class WindowsCommands {
  public:
    WindowsCommands(ControlWindowModel& model, ShellSeam& shell, BalloonHints& hints)
        : model_(model), shell_(shell), hints_(hints) {}

    void Register(CommandTable& table);
    // The windows these commands open belong to `application`; the control
    // window's own requests are owned by `control`.
    void Attach(HINSTANCE instance, HWND application, HWND control) {
        instance_ = instance;
        application_ = application;
        control_ = control;
    }

    // The splash: an about window shown while the control window is made.
    void ShowSplash(HINSTANCE instance);
    void CloseSplash() { splash_.reset(); }

    void WWWUrlClick(const CommandEvent& event);
    void MailToClick(const CommandEvent& event);
    void TalkToFriendClick(const CommandEvent& event);
    void UseNo1Click(const CommandEvent& event);
    void WhatIsNewClick(const CommandEvent& event);
    void HelpClick(const CommandEvent& event);
    void AboutClick(const CommandEvent& event);

    // The windows open now, in the order they were opened: each command
    // opens a new one, and a window that closes itself is freed.
    const std::vector<std::unique_ptr<AboutBox>>& aboutWindows() const { return about_; }
    const std::vector<std::unique_ptr<HelpMe>>& helpWindows() const { return help_; }
    const AboutBox* splash() const { return splash_.get(); }

  private:
    void OpenHelp(HelpPage page);

    ControlWindowModel& model_;
    ShellSeam& shell_;
    BalloonHints& hints_;
    HINSTANCE instance_ = nullptr;
    HWND application_ = nullptr;
    HWND control_ = nullptr;
    std::unique_ptr<AboutBox> splash_;
    std::vector<std::unique_ptr<AboutBox>> about_;
    std::vector<std::unique_ptr<HelpMe>> help_;
};

}  // namespace tavrel
