// Where the program keeps its data, and the settings store on top of it.
//
// The settings key lives under HKEY_LOCAL_MACHINE wherever the program may
// write there. A standard user (and an administrator under UAC) may not:
// then the very same keys and values live under HKEY_CURRENT_USER. The root
// is chosen once per run, before anything is read, and every piece of the
// program's own data (settings, custom characters, saved layouts, autorun)
// follows it.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/settings_store.h"
#include "common/registry.h"

namespace tavrel {

inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// HKEY_CURRENT_USER when the settings key exists there, whoever runs the
// program. Otherwise HKEY_LOCAL_MACHINE when the key there opens for full
// access, or is missing and may be created; otherwise HKEY_CURRENT_USER. A
// key that exists under HKEY_LOCAL_MACHINE but cannot be written (an
// installation made by an administrator) is first copied, with all its
// subkeys, to HKEY_CURRENT_USER; should the copy fail, the machine's key
// stays the one read.
RegistryRoot ChooseSettingsRoot(RegistryAccess& registry);

// The settings store on a registry root.
class RegistrySettings final : public SettingsRegistry {
  public:
    RegistrySettings(RegistryAccess& registry, RegistryRoot root, std::wstring programPath)
        : registry_(registry), root_(root), programPath_(std::move(programPath)) {}

    std::unique_ptr<SettingsKey> OpenSettingsKey() override;
    std::unique_ptr<SettingsKey> CreateSettingsKey() override;
    void WriteAutorun() override;

  private:
    RegistryAccess& registry_;
    RegistryRoot root_;
    std::wstring programPath_;
};

// The autorun value: the program's path in double quotes, since the system
// reads Run values as command lines and an unquoted path with blanks could
// start another program.
std::wstring AutorunCommand(const std::wstring& programPath);

// The caption of the autorun menu item, from the autorun value under the
// Run key of any root (the program may have been run by either user):
// nothing when the settings root's Run key cannot be opened (or created),
// and "Invalid data type for 'Tavrel'" when a value is not a string.
std::optional<std::wstring> ReadAutoRunCaption(RegistryAccess& registry, RegistryRoot root);

// The text of custom character k (from 1), stored under the settings key's
// subkey "CustomCharacter" as "CustomCharacter<k>": nothing when either key
// does not exist, the empty text when the value does not.
std::optional<std::wstring> ReadCustomCharacter(RegistryAccess& registry, RegistryRoot root,
                                                std::int32_t k);

}  // namespace tavrel
