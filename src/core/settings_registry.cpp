#include "core/settings_registry.h"

#include "core/autorun.h"
#include "core/menus.h"

namespace tavrel {
namespace {

class RegistrySettingsKey final : public SettingsKey {
  public:
    RegistrySettingsKey(RegistryAccess& registry, RegistryRoot root)
        : registry_(registry), root_(root) {}
    std::int32_t ReadInteger(const std::wstring& name) override {
        return registry_.ReadInteger(root_, kSettingsKeyPath, name);
    }
    void WriteInteger(const std::wstring& name, std::int32_t value) override {
        registry_.WriteInteger(root_, kSettingsKeyPath, name, value);
    }

  private:
    RegistryAccess& registry_;
    RegistryRoot root_;
};

}  // namespace

RegistryRoot ChooseSettingsRoot(RegistryAccess& registry) {
    constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
    constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
    // The user's own tree wins wherever it exists: a start "as
    // administrator" must not hide it behind a new machine-wide one.
    if (registry.KeyExists(kUser, kSettingsKeyPath)) {
        return kUser;
    }
    if (registry.OpenKey(kMachine, kSettingsKeyPath)) {
        return kMachine;
    }
    if (!registry.KeyExists(kMachine, kSettingsKeyPath)) {
        return registry.CanCreateKey(kMachine, kSettingsKeyPath) ? kMachine : kUser;
    }
    return registry.CopyTree(kMachine, kSettingsKeyPath, kUser, kSettingsKeyPath) ? kUser
                                                                                  : kMachine;
}

std::unique_ptr<SettingsKey> RegistrySettings::OpenSettingsKey() {
    if (!registry_.OpenKey(root_, kSettingsKeyPath)) {
        return nullptr;
    }
    return std::make_unique<RegistrySettingsKey>(registry_, root_);
}

std::unique_ptr<SettingsKey> RegistrySettings::CreateSettingsKey() {
    if (!registry_.CreateKey(root_, kSettingsKeyPath)) {
        throw FailedToCreateKey(kSettingsKeyPath);
    }
    return std::make_unique<RegistrySettingsKey>(registry_, root_);
}

void RegistrySettings::WriteAutorun() {
    // Autorun simply stays off when the Run key cannot be had.
    if (registry_.CreateKey(root_, kRunKeyPath)) {
        registry_.WriteString(root_, kRunKeyPath, kProductName, AutorunCommand(programPath_));
    }
}

std::wstring AutorunCommand(const std::wstring& programPath) {
    return L"\"" + programPath + L"\"";
}

std::optional<std::wstring> ReadAutoRunCaption(RegistryAccess& registry, RegistryRoot root) {
    if (!registry.CreateKey(root, kRunKeyPath)) {
        return std::nullopt;
    }
    return std::wstring(AutoRunCaption(AutorunSet(registry)));
}

std::optional<std::wstring> ReadCustomCharacter(RegistryAccess& registry, RegistryRoot root,
                                                std::int32_t k) {
    const std::wstring characters = std::wstring(kSettingsKeyPath) + L"\\CustomCharacter";
    if (!registry.OpenKey(root, kSettingsKeyPath) || !registry.OpenKey(root, characters)) {
        return std::nullopt;
    }
    return registry.ReadString(root, characters, L"CustomCharacter" + std::to_wstring(k));
}

}  // namespace tavrel
