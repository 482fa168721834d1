#include "app/app_commands_win.h"

#include <windows.h>

#include "core/commands.h"
#include "core/show_hide.h"
#include "app/exit_sequence.h"
#include "common/error_report_win.h"

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

void AppCommands::Register(CommandTable& table, HWND owner) {
    owner_ = owner;
    table.AddRows(*this, kRows);
}

void AppCommands::ArrangementClick(const CommandEvent& event) {
    const std::int32_t tag = ArrangementOfCommand(event.id);
    event.source == CommandSource::kButton ? Button(tag) : MenuItemClick(tag);
}

void AppCommands::SeeAllArragnClick(const CommandEvent&) {
    dispatcher_.DemonstrateAll();
}

void AppCommands::ShowHideAllIconClick(const CommandEvent&) {
    if (ShowHideAllIcons(desktop_, settings_)) {
        tray_.SetShowHideCaption(settings_.showHideIcon);
    }
}

bool AppCommands::ShowAllIcons(bool shown) {
    if (!ShowDesktopIcons(desktop_, settings_, shown)) {
        return false;
    }
    tray_.SetShowHideCaption(settings_.showHideIcon);
    return true;
}

void AppCommands::QuitClick(const CommandEvent&) {
    model_.FormClose();
}

void AppCommands::ShowMainClick(const CommandEvent&) {
    model_.ShowMainClick();
}

void AppCommands::StopBackgroundWork() {
    tray_.StopAnimation();
    refresh_.Stop();
    follower_.Stop();
}

void AppCommands::ExitClick(const CommandEvent&) {
    struct Steps final : ExitSteps {
        AppCommands& commands;
        explicit Steps(AppCommands& owner) : commands(owner) {}
        void SaveSettings() override {
            tavrel::SaveSettings(commands.settings_, commands.registry_);
        }
        void Report(const std::wstring& message) override {
            ShowErrorReport(commands.owner_, message);
        }
        void DeleteTrayIcon() override { commands.tray_.DeleteIcon(); }
        void EndMessageLoop() override {
            commands.StopBackgroundWork();
            ::PostQuitMessage(0);
        }
    } steps(*this);
    RunExitSequence(steps);
}

}  // namespace tavrel
