#include "app/program_commands_win.h"

#include "common/error_report_win.h"
#include "core/commands.h"

namespace tavrel {

ProgramCommands::ProgramCommands(ProgramCommandParts parts)
    : dispatcher_(parts.dispatcher),
      appCommands_(parts.appCommands),
      tray_(parts.tray),
      registry_(parts.registry),
      store_{parts.registry, parts.settingsRoot},
      settings_(parts.settings),
      desktop_(parts.desktop),
      prompts_(parts.prompts),
      control_(parts.control),
      programPath_(std::move(parts.programPath)),
      receiver_(
          [this](const ProgramCommand& command) {
              return CommandWouldSucceed(command, store_, settings_);
          },
          [this](const ProgramCommand& command) { Perform(command); }) {}

HookAttachment ProgramCommands::Attach() {
    receiver_.SetWindow(control_.hwnd());
    return control_.AddHook(receiver_);
}

bool ProgramCommands::StartupEnded(const std::optional<ProgramCommand>& command) {
    const bool done = !command || Perform(*command);
    receiver_.Open();
    return done;
}

bool ProgramCommands::Perform(const ProgramCommand& command) {
    bool done = false;
    GuardCommand(control_.hwnd(), [&] {
        CommandParts parts{{desktop_, store_, settings_, prompts_}, *this};
        done = PerformCommand(command, parts);
    });
    return done;
}

void ProgramCommands::ChooseArrangement(std::int32_t number) {
    dispatcher_.ChooseArrangement(number);
}

bool ProgramCommands::ShowAllIcons(bool shown) {
    return appCommands_.ShowAllIcons(shown);
}

void ProgramCommands::Exit() {
    receiver_.Close();
    appCommands_.ExitClick({kCmdExit, CommandSource::kMenu});
}

bool ProgramCommands::Uninstall() {
    UninstallParts parts{registry_, shortcutPlatform_, linkFiles_, programPath_};
    return tavrel::Uninstall(parts, *this);
}

bool ProgramCommands::Confirm(const std::wstring& question) {
    return ::MessageBoxW(control_.hwnd(), question.c_str(), kNoticeCaption,
                         MB_YESNO | MB_DEFBUTTON2 | MB_ICONINFORMATION | MB_SETFOREGROUND) == IDYES;
}

void ProgramCommands::StopProgram() {
    // Nothing writes the settings again: no refresh, no command, and no
    // icon whose menus could.
    receiver_.Close();
    appCommands_.StopBackgroundWork();
    tray_.DeleteIcon();
}

void ProgramCommands::Notify(const std::wstring& text) {
    ::MessageBoxW(control_.hwnd(), text.c_str(), kNoticeCaption,
                  MB_OK | MB_ICONINFORMATION | MB_SETFOREGROUND);
}

void ProgramCommands::EndProgram() {
    ::PostQuitMessage(0);
}

}  // namespace tavrel
