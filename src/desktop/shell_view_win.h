// The shell's own view of the desktop folder. Its folder options ("auto
// arrange icons", "align icons to grid") are the ones the shell keeps for
// the user and shows under "View"; changed through the view, they stay
// changed as if the user had clicked them.
#pragma once

namespace tavrel {

class ShellDesktopView {
  public:
    virtual ~ShellDesktopView() = default;
    // Switches both options off; false when the system offers no such view
    // (systems before Vista, Wine).
    virtual bool SwitchOffSelfArranging() = 0;
};

// Through COM: the shell's window list finds the desktop's browser, its
// active view is the folder view whose flags are changed.
class ComShellDesktopView final : public ShellDesktopView {
  public:
    bool SwitchOffSelfArranging() override;
};

}  // namespace tavrel
