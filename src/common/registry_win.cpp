#include "common/registry_win.h"

#include <shlwapi.h>

#include <vector>

#include "common/error.h"

namespace tavrel {
namespace {

// Value names are plain ASCII; the ANSI query is used for the strict
// integer read because it counts a string's size as the program always
// has (bytes of the system code page with the terminating zero).
std::string AsciiName(const std::wstring& name) {
    std::string ascii;
    ascii.reserve(name.size());
    for (wchar_t c : name) {
        ascii.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    }
    return ascii;
}

}  // namespace

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS | view, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryKey(key);
}

std::optional<RegistryKey> RegistryKey::OpenForReading(HKEY root, const std::wstring& path,
                                                       REGSAM view) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_READ | view, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path, REGSAM view) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS | view, nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw FailedToCreateKey(path);
    }
    return RegistryKey(key);
}

std::int32_t RegistryKey::ReadInteger(const std::wstring& name) const {
    StoredValue value;
    DWORD type = 0;
    BYTE data[4] = {};
    DWORD size = sizeof(data);
    const LONG result =
        ::RegQueryValueExA(key_.get(), AsciiName(name).c_str(), nullptr, &type, data, &size);
    if (result == ERROR_SUCCESS || result == ERROR_MORE_DATA) {
        value.exists = true;
        value.type = type;
        value.byteSize = result == ERROR_MORE_DATA ? sizeof(data) + 1 : size;
        std::uint32_t bits = 0;
        for (DWORD i = size < 4 ? size : 4; i > 0; --i) {
            bits = bits << 8 | data[i - 1];
        }
        value.integer = static_cast<std::int32_t>(bits);
    }
    return StrictInteger(name, value);
}

void RegistryKey::WriteInteger(const std::wstring& name, std::int32_t value) const {
    const auto bits = static_cast<DWORD>(value);
    if (::RegSetValueExW(key_.get(), name.c_str(), 0, REG_DWORD,
                         reinterpret_cast<const BYTE*>(&bits), sizeof(bits)) != ERROR_SUCCESS) {
        throw FailedToSetData(name);
    }
}

std::wstring RegistryKey::ReadString(const std::wstring& name) const {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) !=
        ERROR_SUCCESS) {
        return L"";
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw InvalidDataType(name);
    }
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(buffer.data()), &bytes) != ERROR_SUCCESS) {
        throw FailedToGetData(name);
    }
    buffer.back() = L'\0';
    return buffer.data();
}

void RegistryKey::WriteString(const std::wstring& name, const std::wstring& value) const {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (::RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ,
                         reinterpret_cast<const BYTE*>(value.c_str()), bytes) != ERROR_SUCCESS) {
        throw FailedToSetData(name);
    }
}

bool RegistryKey::ValueExists(const std::wstring& name) const {
    return ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS;
}

HKEY RootKey(RegistryRoot root) {
    return IsMachineRoot(root) ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER;
}

REGSAM RootView(RegistryRoot root) {
    return root == RegistryRoot::kLocalMachineShellView ? KEY_WOW64_64KEY : 0;
}

bool Win32Registry::OpenKey(RegistryRoot root, const std::wstring& path) {
    return RegistryKey::Open(RootKey(root), path, RootView(root)).has_value();
}

bool Win32Registry::KeyExists(RegistryRoot root, const std::wstring& path) {
    return RegistryKey::OpenForReading(RootKey(root), path, RootView(root)).has_value();
}

bool Win32Registry::CanCreateKey(RegistryRoot root, const std::wstring& path) {
    if (OpenKey(root, path)) {
        return true;
    }
    // The nearest existing parent decides: keys can be made below it only
    // with the right to create subkeys there.
    std::wstring parent = path;
    for (;;) {
        const std::size_t slash = parent.find_last_of(L'\\');
        parent = slash == std::wstring::npos ? std::wstring() : parent.substr(0, slash);
        unique_hkey probe;
        const LONG opened =
            ::RegOpenKeyExW(RootKey(root), parent.empty() ? nullptr : parent.c_str(), 0,
                            KEY_CREATE_SUB_KEY | RootView(root), probe.put());
        if (opened == ERROR_SUCCESS) {
            return true;
        }
        if (opened != ERROR_FILE_NOT_FOUND || parent.empty()) {
            return false;
        }
    }
}

bool Win32Registry::CreateKey(RegistryRoot root, const std::wstring& path) {
    unique_hkey key;
    return ::RegCreateKeyExW(RootKey(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_ALL_ACCESS | RootView(root), nullptr, key.put(),
                             nullptr) == ERROR_SUCCESS;
}

std::wstring Win32Registry::ReadString(RegistryRoot root, const std::wstring& path,
                                       const std::wstring& name) {
    const std::optional<RegistryKey> key =
        RegistryKey::OpenForReading(RootKey(root), path, RootView(root));
    return key ? key->ReadString(name) : std::wstring();
}

void Win32Registry::WriteString(RegistryRoot root, const std::wstring& path,
                                const std::wstring& name, const std::wstring& value) {
    const std::optional<RegistryKey> key = RegistryKey::Open(RootKey(root), path, RootView(root));
    if (!key) {
        throw FailedToSetData(name);
    }
    key->WriteString(name, value);
}

std::int32_t Win32Registry::ReadInteger(RegistryRoot root, const std::wstring& path,
                                        const std::wstring& name) {
    const std::optional<RegistryKey> key =
        RegistryKey::OpenForReading(RootKey(root), path, RootView(root));
    if (!key) {
        throw FailedToGetData(name);
    }
    return key->ReadInteger(name);
}

void Win32Registry::WriteInteger(RegistryRoot root, const std::wstring& path,
                                 const std::wstring& name, std::int32_t value) {
    const std::optional<RegistryKey> key = RegistryKey::Open(RootKey(root), path, RootView(root));
    if (!key) {
        throw FailedToSetData(name);
    }
    key->WriteInteger(name, value);
}

bool Win32Registry::ValueExists(RegistryRoot root, const std::wstring& path,
                                const std::wstring& name) {
    const std::optional<RegistryKey> key =
        RegistryKey::OpenForReading(RootKey(root), path, RootView(root));
    return key && key->ValueExists(name);
}

bool Win32Registry::DeleteValue(RegistryRoot root, const std::wstring& path,
                                const std::wstring& name) {
    const std::optional<RegistryKey> key = RegistryKey::Open(RootKey(root), path, RootView(root));
    return key && ::RegDeleteValueW(key->get(), name.c_str()) == ERROR_SUCCESS;
}

namespace {

// Whether the key `path` below `parent` and every key below it open with
// the rights that deleting them takes.
bool KeyTreeDeletable(HKEY parent, const std::wstring& path, REGSAM view) {
    unique_hkey key;
    if (::RegOpenKeyExW(parent, path.c_str(), 0,
                        DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | KEY_SET_VALUE | view,
                        key.put()) != ERROR_SUCCESS) {
        return false;
    }
    // A key name has at most 255 characters.
    wchar_t name[256];
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        const LONG found =
            ::RegEnumKeyExW(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr);
        if (found == ERROR_NO_MORE_ITEMS) {
            return true;
        }
        if (found != ERROR_SUCCESS || !KeyTreeDeletable(key.get(), name, view)) {
            return false;
        }
    }
}

}  // namespace

bool Win32Registry::CanDeleteTree(RegistryRoot root, const std::wstring& path) {
    return KeyTreeDeletable(RootKey(root), path, RootView(root));
}

bool Win32Registry::DeleteTree(RegistryRoot root, const std::wstring& path) {
    if (RootView(root) == 0) {
        return ::SHDeleteKeyW(RootKey(root), path.c_str()) == ERROR_SUCCESS;
    }
    // The shell's tree operation knows no views: empty the key in its view,
    // then remove it there.
    if (const std::optional<RegistryKey> key =
            RegistryKey::Open(RootKey(root), path, RootView(root))) {
        ::RegDeleteTreeW(key->get(), nullptr);
    }
    return ::RegDeleteKeyExW(RootKey(root), path.c_str(), RootView(root), 0) == ERROR_SUCCESS;
}

bool Win32Registry::DeleteEmptyKey(RegistryRoot root, const std::wstring& path) {
    unique_hkey key;
    if (::RegOpenKeyExW(RootKey(root), path.c_str(), 0, KEY_QUERY_VALUE | RootView(root),
                        key.put()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD subkeys = 0;
    DWORD values = 0;
    if (::RegQueryInfoKeyW(key.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                           &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
        subkeys != 0 || values != 0) {
        return false;
    }
    key.reset();
    return ::RegDeleteKeyExW(RootKey(root), path.c_str(), RootView(root), 0) == ERROR_SUCCESS;
}

bool Win32Registry::CopyTree(RegistryRoot fromRoot, const std::wstring& from, RegistryRoot toRoot,
                             const std::wstring& to) {
    const std::optional<RegistryKey> source =
        RegistryKey::OpenForReading(RootKey(fromRoot), from, RootView(fromRoot));
    if (!source) {
        return false;
    }
    unique_hkey target;
    if (::RegCreateKeyExW(RootKey(toRoot), to.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_ALL_ACCESS | RootView(toRoot), nullptr, target.put(),
                          nullptr) != ERROR_SUCCESS) {
        return false;
    }
    return ::SHCopyKeyW(source->get(), nullptr, target.get(), 0) == ERROR_SUCCESS;
}

}  // namespace tavrel
