#include "tweaks/desktop_tweaks.h"

#include "core/autorun.h"
#include "core/settings_registry.h"
#include "core/settings_store.h"
#include "common/numeric.h"
#include "common/whole_number.h"

namespace tavrel {

void DesktopTweaks::SetDesktopIconTextColorClick() {
    const std::optional<ColorRef> chosen =
        services_.platform.PickColor(static_cast<ColorRef>(settings_.textColor), customColors_);
    if (!chosen) {
        return;
    }
    ApplyIconTextColors(services_.desktop, *chosen, kClrNone);
    settings_.textColor = static_cast<std::int32_t>(*chosen);
    services_.host.SaveSettings();
}

void DesktopTweaks::IconTextTransparenceClick() {
    ApplyIconTextColors(services_.desktop, static_cast<ColorRef>(settings_.textColor), kClrNone);
}

void DesktopTweaks::FlashScreenClick() {
    const std::optional<std::wstring> text =
        services_.prompts.AskText(kRefreshTimePrompt, std::to_wstring(settings_.flashScreen));
    if (!text) {
        return;  // the preset text would give back what there is
    }
    const std::int32_t seconds = ParseWholeNumber(*text);
    settings_.flashScreen = seconds;
    // Saved with the next refresh, which saves first.
    services_.host.SetRefreshPeriod(seconds);
}

void DesktopTweaks::DelelteShortCutClick() {
    RemoveShortcutArrow();
    RebuildPauseRefresh();
}

void DesktopTweaks::IconCacheRebuildClick() {
    RebuildPauseRefresh();
}

void DesktopTweaks::AutoRunClick() {
    RegistryAccess& registry = services_.registry;
    const RegistryRoot root = services_.autorunRoot;
    if (!registry.CreateKey(root, kRunKeyPath)) {
        services_.platform.ShowRegistryFailure();
        return;
    }
    // Any text at all, under any root, means the program starts with
    // Windows: a quoted path as written now, or a bare one as older
    // versions wrote it. Off means off everywhere the value can go.
    if (AutorunSet(registry)) {
        if (MachineWideRemains(RemoveAutorunEverywhere(registry))) {
            services_.prompts.Notify(kAutorunLeftNotice);
        }
    } else {
        registry.WriteString(root, kRunKeyPath, kProductName,
                             AutorunCommand(services_.programPath));
    }
}

void DesktopTweaks::RemoveShortcutArrow() {
    RegistryAccess& registry = services_.registry;
    if (!registry.CreateKey(RegistryRoot::kLocalMachineShellView, kShellIconsKeyPath)) {
        return;
    }
    // Without the system directory the value would name a library that is
    // nowhere; the shell then keeps its arrow.
    const std::wstring systemDirectory = services_.platform.SystemDirectory();
    if (systemDirectory.empty()) {
        return;
    }
    registry.WriteString(RegistryRoot::kLocalMachineShellView, kShellIconsKeyPath,
                         kShortcutArrowIconValue, systemDirectory + kArrowlessIcon);
}

bool DesktopTweaks::RebuildIconCache() {
    RegistryAccess& registry = services_.registry;
    constexpr RegistryRoot kRoot = RegistryRoot::kCurrentUser;
    if (!registry.CreateKey(kRoot, kWindowMetricsKeyPath)) {
        return false;
    }
    if (!registry.ValueExists(kRoot, kWindowMetricsKeyPath, kShellIconSizeValue)) {
        registry.WriteString(kRoot, kWindowMetricsKeyPath, kShellIconSizeValue,
                             kDefaultShellIconSize);
    }
    const std::wstring oldSize =
        registry.ReadString(kRoot, kWindowMetricsKeyPath, kShellIconSizeValue);
    if (oldSize.empty()) {
        return false;
    }
    // The 32-bit difference wraps as it always has: the smallest integer
    // gives the largest.
    const std::wstring reducedSize =
        std::to_wstring(Wrap32(std::int64_t{ParseWholeNumber(oldSize)} - 1));
    if (!WriteIconSize(reducedSize)) {
        return false;
    }
    BroadcastMetricsChange();
    if (!WriteIconSize(oldSize)) {
        return false;
    }
    BroadcastMetricsChange();
    return true;
}

void DesktopTweaks::BroadcastMetricsChange() {
    services_.platform.BroadcastMetricsChange();
}

void DesktopTweaks::RebuildPauseRefresh() {
    RebuildIconCache();
    services_.pause(kTweakPauseSteps);
    services_.host.Timer2Timer();
}

bool DesktopTweaks::WriteIconSize(const std::wstring& size) {
    RegistryAccess& registry = services_.registry;
    if (!registry.CreateKey(RegistryRoot::kCurrentUser, kWindowMetricsKeyPath)) {
        return false;
    }
    registry.WriteString(RegistryRoot::kCurrentUser, kWindowMetricsKeyPath, kShellIconSizeValue,
                         size);
    return true;
}

}  // namespace tavrel
