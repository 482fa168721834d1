// The registry key object every registry access goes through: one per
// operation, opened with full access, closed on every path when it goes out
// of scope. Failures raise the errors the user has always been shown.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "app/settings_store.h"
#include "common/unique_handle_win.h"

namespace tavrel {

class RegistryKey {
public:
    // Nothing when the key does not exist or cannot be opened.
    static std::optional<RegistryKey> Open(HKEY root, const std::wstring& path);
    // Creates the key and any missing parents; "Failed to create key %s".
    static RegistryKey Create(HKEY root, const std::wstring& path);

    // Strict: "Failed to get data for '%s'" when missing or longer than four
    // bytes, "Invalid data type for '%s'" for another type.
    std::int32_t ReadInteger(const std::wstring& name) const;
    // "Failed to set data for '%s'".
    void WriteInteger(const std::wstring& name, std::int32_t value) const;
    // A missing value reads as the empty string; a value of another type is
    // "Invalid data type for '%s'".
    std::wstring ReadString(const std::wstring& name) const;
    void WriteString(const std::wstring& name, const std::wstring& value) const;
    bool ValueExists(const std::wstring& name) const;

    HKEY get() const { return key_.get(); }

private:
    explicit RegistryKey(HKEY key) : key_(key) {}
    unique_hkey key_;
};

// The settings key and the autorun value in HKEY_LOCAL_MACHINE.
class Win32SettingsRegistry final : public SettingsRegistry {
public:
    std::unique_ptr<SettingsKey> OpenSettingsKey() override;
    std::unique_ptr<SettingsKey> CreateSettingsKey() override;
    void WriteAutorun() override;
};

inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The caption of the autorun menu item, from the autorun value: nothing
// when the Run key cannot be opened (or created), and "Invalid data type for
// 'Tavrel'" when the value is not a string.
std::optional<std::wstring> ReadAutoRunCaption();

// The text of custom character k (from 1), stored under the settings key's
// subkey "CustomCharacter" as "CustomCharacter<k>": nothing when either key
// does not exist, the empty text when the value does not.
std::optional<std::wstring> ReadCustomCharacter(std::int32_t k);

// The full path of the running program file.
std::wstring ProgramPath();

}  // namespace tavrel
