// The composition root: everything the program is made of, wired together
// once, and the start-up configuration that runs while the control window
// is created.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/app_commands_win.h"
#include "app/app_host_win.h"
#include "app/application_window_win.h"
#include "app/startup_gate_win.h"
#include "core/control_window_model.h"
#include "core/desktop_follower_win.h"
#include "app/control_window_win.h"
#include "app/program_commands_win.h"
#include "core/dispatcher.h"
#include "core/refresh_timer_win.h"
#include "core/registry_win.h"
#include "core/settings.h"
#include "core/settings_store.h"
#include "app/tray_area_win.h"
#include "common/command_table.h"
#include "common/prompts_win.h"
#include "desktop/desktop_win.h"
#include "textlayouts/custom_commands_win.h"
#include "tweaks/tweak_commands_win.h"
#include "styling/menu_painter_win.h"
#include "tweaks/skin_commands_win.h"
#include "styling/balloon_hint_win.h"
#include "windows/shell_seam_win.h"
#include "windows/windows_commands_win.h"

namespace tavrel {

// What the program works on. Null stands for the real thing: the shell's
// desktop, the system's registry, the running program's own file; a test
// hands in its own.
struct ProgramSystem {
    DesktopAccess* desktop = nullptr;
    RegistryAccess* registry = nullptr;
    std::wstring programPath;
};

class Program final : private StartupActions {
  public:
    explicit Program(ProgramSystem system = {});
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    ~Program() override;

    // Creates the application and control windows, hidden, and runs
    // FormCreate. False when the windows could not be made.
    bool Create(HINSTANCE instance);

    ControlWindowModel& model() { return model_; }
    // What a driver of the program in its own process (a test) looks at.
    HWND ControlHwnd() const { return control_.hwnd(); }
    HMENU TrayMenu() const { return tray_.MainMenu(); }
    const Settings& settings() const { return settings_; }

    // The about window as splash, shown before the control window is made
    // and ended after the start-up pause.
    void ShowSplash(HINSTANCE instance) { windows_.ShowSplash(instance); }
    void CloseSplash() { windows_.CloseSplash(); }
    // The start-up has ended: the command the program was started with runs
    // now, the commands that came during it are posted to run after it, and
    // from now on a second copy may hand it commands. False when the
    // program's own command failed.
    bool EndStartup(const std::optional<ProgramCommand>& command) {
        gate_.Open(control_.hwnd());
        return programCommands_.StartupEnded(command);
    }

  private:
    void FormCreate();
    // The designed look of the menus and buttons, taken over at once.
    void StyleControlWindow();

    // StartupActions: what loading the settings sets in motion.
    void ApplyTextColor() override;
    void PerformArrangement() override;
    void SetRefreshInterval() override;
    void SetShowHideCaption() override;
    void ApplySkin() override;
    void CreateShortcut(int folder, const std::wstring& name) override;
    bool AskWelcome(const std::wstring& text) override;
    void DemonstrateAll() override;

    Win32Desktop realDesktop_;
    Win32Registry realRegistry_;
    DesktopAccess& desktop_;
    RegistryAccess& registry_;
    std::wstring programPath_;
    Settings settings_;
    // Chosen once, before anything is read.
    RegistryRoot settingsRoot_;
    RegistrySettings store_;
    AppHost host_;
    Dispatcher dispatcher_;
    CommandTable commands_;
    // The application's hints; they outlive the windows that use them.
    BalloonHints hints_;
    ControlWindow control_;
    // The control window's first hook: no command runs inside the start-up.
    StartupGate gate_;
    ControlWindowModel model_;
    ApplicationWindow application_;
    TrayArea tray_;
    RefreshTimer refresh_;
    // The figure follows a new screen and a restarted shell.
    DesktopFollower follower_;
    AppCommands appCommands_;
    // The input box and notices, owned by the control window.
    Win32Prompts prompts_;
    TweakCommands tweakCommands_;
    // MenuPainter1 of the control window, and the skins that recolour it.
    MenuPainter painter_;
    SkinCommands skins_;
    // Web and mail requests go to the shell.
    ShellExecuteSeam shell_;
    WindowsCommands windows_;
    CustomCommands customCommands_;
    // The commands of the command line, the started and the handed ones.
    ProgramCommands programCommands_;
    // The control window's hooks, in the order they see its messages.
    // Declared last: every hook is detached before any of them goes, and
    // the application window takes the control window with it afterwards.
    std::vector<HookAttachment> controlHooks_;
};

}  // namespace tavrel
