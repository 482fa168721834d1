// The commands of the command line in the running program: the one it was
// started with, carried out once its start-up has ended, and those a second
// copy hands over, taken by the control window's receiver.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "app/app_commands_win.h"
#include "app/command_receiver_win.h"
#include "app/program_commands.h"
#include "app/tray_area_win.h"
#include "common/prompts.h"
#include "common/registry.h"
#include "common/window_win.h"
#include "core/dispatcher.h"
#include "desktop/desktop.h"
#include "tweaks/link_files_win.h"
#include "tweaks/shortcuts_win.h"
#include "tweaks/uninstall.h"

namespace tavrel {

struct ProgramCommandParts {
    Dispatcher& dispatcher;
    AppCommands& appCommands;
    TrayArea& tray;
    RegistryAccess& registry;
    RegistryRoot settingsRoot;
    Settings& settings;
    DesktopAccess& desktop;
    Prompts& prompts;
    // The control window: it receives the commands and owns their boxes.
    Window& control;
    std::wstring programPath;
};

class ProgramCommands final : private CommandTarget, private UninstallSteps {
  public:
    explicit ProgramCommands(ProgramCommandParts parts);
    ProgramCommands(const ProgramCommands&) = delete;
    ProgramCommands& operator=(const ProgramCommands&) = delete;

    // The receiver on the control window, once it exists, for as long as
    // the attachment lives.
    [[nodiscard]] HookAttachment Attach();
    // Start-up has ended: the command the program was started with, if
    // any, is carried out, then handed commands are taken. False when that
    // command failed.
    bool StartupEnded(const std::optional<ProgramCommand>& command);

  private:
    // CommandTarget
    void ChooseArrangement(std::int32_t number) override;
    bool ShowAllIcons(bool shown) override;
    void Exit() override;
    bool Uninstall() override;
    // UninstallSteps
    bool Confirm(const std::wstring& question) override;
    void StopProgram() override;
    void Notify(const std::wstring& text) override;
    void EndProgram() override;

    bool Perform(const ProgramCommand& command);

    Dispatcher& dispatcher_;
    AppCommands& appCommands_;
    TrayArea& tray_;
    RegistryAccess& registry_;
    CustomStore store_;
    Settings& settings_;
    DesktopAccess& desktop_;
    Prompts& prompts_;
    Window& control_;
    std::wstring programPath_;
    Win32ShortcutPlatform shortcutPlatform_;
    Win32LinkFiles linkFiles_;
    CommandReceiver receiver_;
};

}  // namespace tavrel
