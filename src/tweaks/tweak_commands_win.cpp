#include "tweaks/tweak_commands_win.h"

#include "core/commands.h"
#include "common/busy_pause.h"

namespace tavrel {
namespace {

constexpr CommandRow<TweakCommands> kRows[] = {
    {kCmdIconCacheRebuild, kCmdIconCacheRebuild, &TweakCommands::IconCacheRebuildClick},
    {kCmdDeleteShortcutArrow, kCmdDeleteShortcutArrow, &TweakCommands::DelelteShortCutClick},
    {kCmdIconTextTransparence, kCmdIconTextTransparence, &TweakCommands::IconTextTransparenceClick},
    {kCmdFlashScreen, kCmdFlashScreen, &TweakCommands::FlashScreenClick},
    {kCmdSetDesktopIconTextColor, kCmdSetDesktopIconTextColor,
     &TweakCommands::SetDesktopIconTextColorClick},
    {kCmdStartMenu, kCmdStartMenu, &TweakCommands::StartMenuClick},
    {kCmdPrograms, kCmdPrograms, &TweakCommands::ProgramsClick},
    {kCmdDesktop, kCmdDesktop, &TweakCommands::DesktopClick},
    {kCmdQuickLaunch, kCmdQuickLaunch, &TweakCommands::QuickLaunchClick},
    {kCmdAutoRun, kCmdAutoRun, &TweakCommands::AutoRunClick},
};

}  // namespace

TweakCommands::TweakCommands(TweakParts parts)
    : settings_(parts.settings),
      store_(parts.store),
      dispatcher_(parts.dispatcher),
      refresh_(parts.refresh),
      shortcuts_(parts.registry, shortcutPlatform_, parts.programPath),
      platform_(parts.owner),
      tweaks_(parts.settings, {parts.registry, parts.settingsRoot, parts.desktop, parts.prompts,
                               platform_, *this, BusyCount, parts.programPath}) {}

void TweakCommands::Register(CommandTable& table) {
    table.AddRows(*this, kRows);
}

void TweakCommands::SaveSettings() {
    tavrel::SaveSettings(settings_, store_);
}

void TweakCommands::SetRefreshPeriod(std::int32_t flashScreen) {
    refresh_.SetPeriod(flashScreen);
}

void TweakCommands::Timer2Timer() {
    dispatcher_.Timer2Timer();
}

}  // namespace tavrel
