// The registry for real: the key object every access goes through (one per
// operation, opened with full access, closed on every path), and the
// portable registry seam on top of it.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "common/registry.h"
#include "common/unique_handle_win.h"

namespace tavrel {

class RegistryKey {
  public:
    // Nothing when the key does not exist or cannot be opened.
    static std::optional<RegistryKey> Open(HKEY root, const std::wstring& path, REGSAM view = 0);
    // Read access only: what a standard user gets of a machine-wide key.
    static std::optional<RegistryKey> OpenForReading(HKEY root, const std::wstring& path,
                                                     REGSAM view = 0);
    // Creates the key and any missing parents; "Failed to create key %s".
    static RegistryKey Create(HKEY root, const std::wstring& path, REGSAM view = 0);

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

HKEY RootKey(RegistryRoot root);
// The registry view a root asks for (KEY_WOW64_64KEY for the shell's view of
// the machine), to be added to the access wanted.
REGSAM RootView(RegistryRoot root);

// RegistryAccess on the real registry. Copying and deleting whole trees are
// the platform's own tree operations.
class Win32Registry final : public RegistryAccess {
  public:
    bool OpenKey(RegistryRoot root, const std::wstring& path) override;
    bool KeyExists(RegistryRoot root, const std::wstring& path) override;
    bool CanCreateKey(RegistryRoot root, const std::wstring& path) override;
    bool CreateKey(RegistryRoot root, const std::wstring& path) override;
    std::wstring ReadString(RegistryRoot root, const std::wstring& path,
                            const std::wstring& name) override;
    void WriteString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                     const std::wstring& value) override;
    std::int32_t ReadInteger(RegistryRoot root, const std::wstring& path,
                             const std::wstring& name) override;
    void WriteInteger(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                      std::int32_t value) override;
    bool ValueExists(RegistryRoot root, const std::wstring& path,
                     const std::wstring& name) override;
    bool DeleteValue(RegistryRoot root, const std::wstring& path,
                     const std::wstring& name) override;
    bool CanDeleteTree(RegistryRoot root, const std::wstring& path) override;
    bool DeleteTree(RegistryRoot root, const std::wstring& path) override;
    bool DeleteEmptyKey(RegistryRoot root, const std::wstring& path) override;
    bool CopyTree(RegistryRoot fromRoot, const std::wstring& from, RegistryRoot toRoot,
                  const std::wstring& to) override;
};

}  // namespace tavrel
