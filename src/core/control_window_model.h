// When the control window hides and shows itself.
//
// The program remembers which of its own non-modal windows last had the
// keyboard focus (the control window, the splash, the about window, the
// help window). When the control window gets the focus while that record
// names another window, or none, it hides itself again. Together with a
// "visible" flag that is set once and never cleared, this decides what each
// show request ends in; the rules are kept here, apart from the windows.
#pragma once

namespace tavrel {

enum class ProgramWindow { kNone, kControl, kSplash, kAbout, kHelp };

// What the model asks of the real windows.
class ControlWindowOps {
  public:
    virtual ~ControlWindowOps() = default;
    // Showing the control window also activates it; the platform then
    // reports the activation back through FormActivate.
    virtual void ShowControl(bool show) = 0;
    virtual void ShowApplication(bool show) = 0;
    // The tool-window style keeps the taskbar button away.
    virtual void SetApplicationToolStyle(bool tool) = 0;
};

class ControlWindowModel {
  public:
    explicit ControlWindowModel(ControlWindowOps& ops) : ops_(ops) {}

    // Show sequence A: a double-click on the notification-area icon.
    void ShowControlWindow();
    // Show sequence B: the "show control window" menu item.
    void ShowMainClick();
    // The hide routine: Quit button, Alt+F4, and the activation event.
    void FormClose();

    // The platform reports that a program window got the keyboard focus.
    void OnFocus(ProgramWindow window);
    // The control window got the focus: hides it again when the record
    // names another window.
    void FormActivate() { OnFocus(ProgramWindow::kControl); }
    void OnDestroyed(ProgramWindow window);
    // A modal input box takes the record over while it is open and puts
    // the previous entry back when it closes. Message boxes, the colour
    // chooser and popup menus do not touch it.
    void BeginModalInput();
    void EndModalInput();

    bool visibleFlag() const { return visibleFlag_; }
    ProgramWindow lastFocused() const { return lastFocused_; }

  private:
    void MakeVisible();

    ControlWindowOps& ops_;
    bool visibleFlag_ = false;
    ProgramWindow lastFocused_ = ProgramWindow::kNone;
    ProgramWindow beforeModal_ = ProgramWindow::kNone;
    bool inModal_ = false;
};

}  // namespace tavrel
