#include "app/registry_win.h"

#include <vector>

#include "app/menus.h"

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

class KeyAdapter final : public SettingsKey {
public:
    explicit KeyAdapter(RegistryKey key) : key_(std::move(key)) {}
    std::int32_t ReadInteger(const std::wstring& name) override { return key_.ReadInteger(name); }
    void WriteInteger(const std::wstring& name, std::int32_t value) override {
        key_.WriteInteger(name, value);
    }

private:
    RegistryKey key_;
};

}  // namespace

std::optional<RegistryKey> RegistryKey::Open(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return RegistryKey(key);
}

RegistryKey RegistryKey::Create(HKEY root, const std::wstring& path) {
    HKEY key = nullptr;
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
        throw FailedToCreateKey(path);
    }
    return RegistryKey(key);
}

std::int32_t RegistryKey::ReadInteger(const std::wstring& name) const {
    StoredValue value;
    DWORD type = 0;
    BYTE data[4] = {};
    DWORD size = sizeof(data);
    const LONG result = ::RegQueryValueExA(key_.get(), AsciiName(name).c_str(), nullptr, &type, data, &size);
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
    if (::RegSetValueExW(key_.get(), name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&bits),
                         sizeof(bits)) != ERROR_SUCCESS) {
        throw FailedToSetData(name);
    }
}

std::wstring RegistryKey::ReadString(const std::wstring& name) const {
    DWORD type = 0;
    DWORD size = 0;
    if (::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        return L"";
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) {
        throw InvalidDataType(name);
    }
    std::vector<wchar_t> buffer(size / sizeof(wchar_t) + 1, L'\0');
    DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                           &bytes) != ERROR_SUCCESS) {
        throw FailedToGetData(name);
    }
    buffer.back() = L'\0';
    return buffer.data();
}

void RegistryKey::WriteString(const std::wstring& name, const std::wstring& value) const {
    const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
    if (::RegSetValueExW(key_.get(), name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                         bytes) != ERROR_SUCCESS) {
        throw FailedToSetData(name);
    }
}

bool RegistryKey::ValueExists(const std::wstring& name) const {
    return ::RegQueryValueExW(key_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

std::unique_ptr<SettingsKey> Win32SettingsRegistry::OpenSettingsKey() {
    std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    if (!key) {
        return nullptr;
    }
    return std::make_unique<KeyAdapter>(std::move(*key));
}

std::unique_ptr<SettingsKey> Win32SettingsRegistry::CreateSettingsKey() {
    return std::make_unique<KeyAdapter>(RegistryKey::Create(HKEY_LOCAL_MACHINE, kSettingsKeyPath));
}

void Win32SettingsRegistry::WriteAutorun() {
    std::optional<RegistryKey> run;
    try {
        run.emplace(RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath));
    } catch (const Error&) {
        return;  // autorun simply stays off when the Run key cannot be had
    }
    run->WriteString(kProductName, ProgramPath());
}

std::optional<std::wstring> ReadAutoRunCaption() {
    std::optional<RegistryKey> run;
    try {
        run.emplace(RegistryKey::Create(HKEY_LOCAL_MACHINE, kRunKeyPath));
    } catch (const Error&) {
        return std::nullopt;
    }
    return std::wstring(AutoRunCaption(!run->ReadString(kProductName).empty()));
}

std::optional<std::wstring> ReadCustomCharacter(std::int32_t k) {
    const std::optional<RegistryKey> settings = RegistryKey::Open(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    if (!settings) {
        return std::nullopt;
    }
    const std::optional<RegistryKey> characters = RegistryKey::Open(settings->get(), L"CustomCharacter");
    if (!characters) {
        return std::nullopt;
    }
    return characters->ReadString(L"CustomCharacter" + std::to_wstring(k));
}

std::wstring ProgramPath() {
    std::vector<wchar_t> path(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            return std::wstring(path.data(), length);
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace tavrel
