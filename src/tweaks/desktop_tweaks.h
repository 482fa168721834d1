// The desktop tweaks of the program menu: the icon text colour, a
// transparent icon text background, the refresh time, the shortcut arrow,
// the shell's icon cache, and starting with Windows.
//
// The rules are here; the registry, the desktop, the colour chooser, the
// input box, the broadcast to every window and the rest of the program are
// behind interfaces, so each step and each failure is checked natively.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "core/settings.h"
#include "common/busy_pause.h"
#include "common/prompts.h"
#include "common/registry.h"
#include "desktop/desktop.h"

namespace tavrel {

// Under HKEY_LOCAL_MACHINE: icon 29 of the shell is the arrow over
// shortcut icons.
inline constexpr wchar_t kShellIconsKeyPath[] =
    L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Icons";
inline constexpr wchar_t kShortcutArrowIconValue[] = L"29";
// Below the system directory: an icon without an arrow.
inline constexpr wchar_t kArrowlessIcon[] = L"\\docprop.dll,1";

// Under HKEY_CURRENT_USER.
inline constexpr wchar_t kWindowMetricsKeyPath[] = L"Control Panel\\Desktop\\WindowMetrics";
inline constexpr wchar_t kShellIconSizeValue[] = L"Shell Icon Size";
inline constexpr wchar_t kDefaultShellIconSize[] = L"32";

inline constexpr wchar_t kRefreshTimePrompt[] =
    L"请输入屏幕刷新时间，单位为秒：\u3000\u3000\u3000\u3000";

inline constexpr wchar_t kRegistryFailureText[] = L"打开注册表失败！";
inline constexpr wchar_t kRegistryFailureCaption[] = L"错误";

// The colour chooser's sixteen custom colours, kept from one use to the
// next; they start out as "FFFFFFFF".
using CustomColors = std::array<ColorRef, 16>;
inline constexpr ColorRef kCustomColorPreset = 0xFFFFFFFF;

// What the tweaks ask of the system.
class TweakPlatform {
  public:
    virtual ~TweakPlatform() = default;
    // Empty when it cannot be had.
    virtual std::wstring SystemDirectory() = 0;
    // Tells every top-level window that the window metrics changed, waiting
    // for none of them.
    virtual void BroadcastMetricsChange() = 0;
    // The colour chooser, preset to `initial`; nothing when the user
    // cancels. The user may change the custom colours either way.
    virtual std::optional<ColorRef> PickColor(ColorRef initial, CustomColors& customColors) = 0;
    // "打开注册表失败！", captioned "错误", with the error icon, owned by the
    // control window.
    virtual void ShowRegistryFailure() = 0;
};

// What the tweaks ask of the rest of the program.
class TweakHost {
  public:
    virtual ~TweakHost() = default;
    virtual void SaveSettings() = 0;
    // The refresh timer runs every `flashScreen` seconds: 0 or less stops
    // it, a period too long for the timer service runs at the longest
    // interval the service takes (RefreshIntervalMs).
    virtual void SetRefreshPeriod(std::int32_t flashScreen) = 0;
    // One refresh, as if the refresh timer had fired.
    virtual void Timer2Timer() = 0;
};

struct TweakServices {
    RegistryAccess& registry;
    // Where the Run key lives: the settings root.
    RegistryRoot autorunRoot;
    DesktopAccess& desktop;
    Prompts& prompts;
    TweakPlatform& platform;
    TweakHost& host;
    PauseFunction pause;
    std::wstring programPath;
};

class DesktopTweaks {
  public:
    DesktopTweaks(Settings& settings, TweakServices services)
        : settings_(settings), services_(std::move(services)) {
        customColors_.fill(kCustomColorPreset);
    }

    void SetDesktopIconTextColorClick();
    void IconTextTransparenceClick();
    void FlashScreenClick();
    void DelelteShortCutClick();
    void IconCacheRebuildClick();
    void AutoRunClick();

    // Shell icon 29 becomes an icon without an arrow.
    void RemoveShortcutArrow();
    // Makes the shell rebuild its icons by telling it of an icon size one
    // smaller and then of the old size again; the stored size ends as it
    // began. False when it stopped before both broadcasts.
    bool RebuildIconCache();
    void BroadcastMetricsChange();

    const CustomColors& customColors() const { return customColors_; }

  private:
    // The rebuild, the pause that lets the shell catch up, then a refresh.
    void RebuildPauseRefresh();
    bool WriteIconSize(const std::wstring& size);

    Settings& settings_;
    TweakServices services_;
    CustomColors customColors_{};
};

}  // namespace tavrel
