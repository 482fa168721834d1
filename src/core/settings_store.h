// Loading and saving the seven settings, and the first run.
//
// The rules live here; the registry and the rest of the program are behind
// the two interfaces, so the order of every step is checked natively and
// the real registry key under Wine.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "core/settings.h"
#include "common/error.h"
#include "common/registry.h"

namespace tavrel {

// "Software\Quorral\Tavrel\2.00" under HKEY_LOCAL_MACHINE.
inline constexpr wchar_t kSettingsKeyPath[] = L"Software\\Quorral\\Tavrel\\2.00";
inline constexpr wchar_t kProductName[] = L"Tavrel";

// The question of the very first start. Each line ends with a carriage
// return alone.
extern const wchar_t kWelcomeText[];

// One open registry key. Reads are strict: a missing value, or one longer
// than four bytes, fails with "Failed to get data for '%s'"; a value of
// another type that fits in four bytes with "Invalid data type for '%s'".
class SettingsKey {
  public:
    virtual ~SettingsKey() = default;
    virtual std::int32_t ReadInteger(const std::wstring& name) = 0;
    // Fails with "Failed to set data for '%s'".
    virtual void WriteInteger(const std::wstring& name, std::int32_t value) = 0;
};

class SettingsRegistry {
  public:
    virtual ~SettingsRegistry() = default;
    // Null when the key does not exist (or cannot be opened).
    virtual std::unique_ptr<SettingsKey> OpenSettingsKey() = 0;
    // Creates the key with its parents; fails with "Failed to create key %s".
    // Null only where the caller accepts that (SaveSettings).
    virtual std::unique_ptr<SettingsKey> CreateSettingsKey() = 0;
    // The autorun value; a Run key that cannot be opened is passed over.
    virtual void WriteAutorun() = 0;
};

// What loading the settings sets in motion in the rest of the program.
class StartupActions {
  public:
    virtual ~StartupActions() = default;
    virtual void ApplyTextColor() = 0;
    virtual void PerformArrangement() = 0;
    virtual void SetRefreshInterval() = 0;
    virtual void SetShowHideCaption() = 0;
    virtual void ApplySkin() = 0;
    // folder 2: the desktop; 3: the quick launch bar.
    virtual void CreateShortcut(int folder, const std::wstring& name) = 0;
    // The first-run question; true for Yes.
    virtual bool AskWelcome(const std::wstring& text) = 0;
    virtual void DemonstrateAll() = 0;
};

// The desktop shortcut's name: the product name with two ideographic
// spaces and an arrow after its fourth character.
std::wstring DesktopShortcutName();

// Defaults, the first run when the key is missing, then every value read
// and applied in turn. An error ends it at the failing step, later values
// keep their defaults.
void LoadSettings(Settings& settings, SettingsRegistry& registry, StartupActions& actions);

// Writes the seven values; does nothing when the key cannot be opened or
// created. A failed write fails with "Failed to set data for '%s'".
void SaveSettings(const Settings& settings, SettingsRegistry& registry);

// The refresh timer's interval for a period in seconds; 0 means no timer.
// A period of 0 or below stops the refresh; one too long for the timer
// service runs at the longest interval it takes.
std::uint32_t RefreshIntervalMs(std::int32_t flashScreen);

}  // namespace tavrel
