#include "app/app_commands_win.h"

#include <windows.h>

#include "app/commands.h"

namespace tavrel {
namespace {

constexpr CommandRow<AppCommands> kRows[] = {
    {ArrangementCommand(1), kLastArrangementCommand, &AppCommands::ArrangementClick},
    {kCmdSeeAllArragn, kCmdSeeAllArragn, &AppCommands::SeeAllArragnClick},
    {kCmdShowHideAllIcon, kCmdShowHideAllIcon, &AppCommands::ShowHideAllIconClick},
    {kCmdQuit, kCmdQuit, &AppCommands::QuitClick},
    {kCmdShowMain, kCmdShowMain, &AppCommands::ShowMainClick},
    {kCmdExit, kCmdExit, &AppCommands::ExitClick},
};

}  // namespace

void AppCommands::Register(CommandTable& table) { table.AddRows(*this, kRows); }

void AppCommands::ArrangementClick(const CommandEvent& event) {
    const std::int32_t tag = ArrangementOfCommand(event.id);
    event.source == CommandSource::kButton ? Button(tag) : MenuItemClick(tag);
}

void AppCommands::SeeAllArragnClick(const CommandEvent&) { dispatcher_.DemonstrateAll(); }

void AppCommands::ShowHideAllIconClick(const CommandEvent&) {
    if (settings_.showHideIcon == 0) {
        desktop_.ShowDesktopWindow(1);
        settings_.showHideIcon = 1;
    } else {
        desktop_.ShowDesktopWindow(0);
        settings_.showHideIcon = 0;
    }
    tray_.SetShowHideCaption(settings_.showHideIcon);
}

void AppCommands::QuitClick(const CommandEvent&) { model_.FormClose(); }

void AppCommands::ShowMainClick(const CommandEvent&) { model_.ShowMainClick(); }

void AppCommands::ExitClick(const CommandEvent&) {
    SaveSettings(settings_, registry_);
    tray_.DeleteIcon();
    tray_.StopAnimation();
    refresh_.Stop();
    ::PostQuitMessage(0);
}

}  // namespace tavrel
