// The registry as the portable rules see it: keys named by a root and a
// path, each operation opening and closing its own key. The Win32 half
// maps it onto the real registry; tests use an in-memory one.
//
// Errors carry the texts the user has always been shown (common/error.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tavrel {

enum class RegistryRoot {
    kLocalMachine,
    kCurrentUser,
    // HKEY_LOCAL_MACHINE as the system's own shell reads it: a 32-bit
    // program on 64-bit Windows otherwise writes into its own redirected
    // view, which the 64-bit shell never looks at.
    kLocalMachineShellView,
};

constexpr bool IsMachineRoot(RegistryRoot root) {
    return root == RegistryRoot::kLocalMachine || root == RegistryRoot::kLocalMachineShellView;
}

// A value as the registry holds it, sizes counted as the ANSI API counts
// them (a string with its terminating zero).
struct StoredValue {
    bool exists = false;
    std::uint32_t type = 0;  // 4: a 32-bit integer
    std::uint32_t byteSize = 0;
    std::int32_t integer = 0;  // the first four bytes, when it fits
};
inline constexpr std::uint32_t kRegistryDword = 4;

// The strict read: the value must exist, fit in four bytes and be a 32-bit
// integer.
std::int32_t StrictInteger(const std::wstring& name, const StoredValue& value);

class RegistryAccess {
  public:
    virtual ~RegistryAccess() = default;

    // Whether the key exists and can be opened for full access.
    virtual bool OpenKey(RegistryRoot root, const std::wstring& path) = 0;
    // Whether the key exists and can at least be read.
    virtual bool KeyExists(RegistryRoot root, const std::wstring& path) = 0;
    // Whether CreateKey would succeed: the key opens for full access, or its
    // nearest existing parent lets keys be created below it. Creates nothing.
    virtual bool CanCreateKey(RegistryRoot root, const std::wstring& path) = 0;
    // Creates the key with its missing parents (or opens it when it
    // exists); false when that fails.
    virtual bool CreateKey(RegistryRoot root, const std::wstring& path) = 0;

    // A missing value reads as the empty string; a value that is not a
    // string (REG_SZ or REG_EXPAND_SZ) fails with "Invalid data type for
    // '%s'". A key that cannot be opened reads as empty.
    virtual std::wstring ReadString(RegistryRoot root, const std::wstring& path,
                                    const std::wstring& name) = 0;
    // Fails with "Failed to set data for '%s'".
    virtual void WriteString(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                             const std::wstring& value) = 0;
    // Strict: the value must exist, fit in four bytes ("Failed to get data
    // for '%s'" otherwise) and be a 32-bit integer ("Invalid data type for
    // '%s'" otherwise).
    virtual std::int32_t ReadInteger(RegistryRoot root, const std::wstring& path,
                                     const std::wstring& name) = 0;
    // Fails with "Failed to set data for '%s'".
    virtual void WriteInteger(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                              std::int32_t value) = 0;
    virtual bool ValueExists(RegistryRoot root, const std::wstring& path,
                             const std::wstring& name) = 0;
    // False when there was nothing to delete or it could not be deleted.
    virtual bool DeleteValue(RegistryRoot root, const std::wstring& path,
                             const std::wstring& name) = 0;
    // Whether DeleteTree would remove the key with everything in it: the key
    // exists and it and every key below it can be deleted. Deletes nothing.
    virtual bool CanDeleteTree(RegistryRoot root, const std::wstring& path) = 0;
    // The key with all its subkeys and values. A key below it that cannot be
    // deleted stays, and so do its parents; what came before it is gone.
    virtual bool DeleteTree(RegistryRoot root, const std::wstring& path) = 0;
    // The key only when it holds neither values nor subkeys: a parent that
    // the program made and that nothing else uses any more.
    virtual bool DeleteEmptyKey(RegistryRoot root, const std::wstring& path) = 0;
    // Copies every value and subkey of `from` into `to` (created when
    // missing); `from` stays as it is.
    virtual bool CopyTree(RegistryRoot fromRoot, const std::wstring& from, RegistryRoot toRoot,
                          const std::wstring& to) = 0;
};

}  // namespace tavrel
