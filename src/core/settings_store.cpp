#include "core/settings_store.h"

#include <array>
#include <utility>

namespace tavrel {

const wchar_t kWelcomeText[] =
    L"\u3000\u3000您好！感谢您选择本软件，这是您第一次使用，如\r"
    L"果您现在看不到排列效果，那么请注意以下提示信息： \r"
    L"\r"
    L"\u3000\u3000请在桌面空白处单击鼠标右键，查看“排列图标”\r"
    L"下的“自动排列”和“对齐到网格”两个选项是否有对\r"
    L"勾，如果有的话，清空对勾就能看到了。^_^\r"
    L"\r"
    L"\r"
    L"\r"
    L"\u3000\u3000第一次使用您是否想看一看本软件的所有排列效果\r"
    L"呢？\r";

namespace {

// The write order of the first run and of every save.
using Field = std::int32_t Settings::*;
const std::array<std::pair<const wchar_t*, Field>, 7> kWriteOrder = {{
    {L"Arrage", &Settings::arrage},
    {L"Skin", &Settings::skin},
    {L"TextColor", &Settings::textColor},
    {L"ShowHideIcon", &Settings::showHideIcon},
    {L"FlashScreen", &Settings::flashScreen},
    {L"CustomCount", &Settings::customCount},
    {L"CustomCharacterCount", &Settings::customCharacterCount},
}};

void WriteAll(const Settings& settings, SettingsKey& key) {
    for (const auto& [name, field] : kWriteOrder) {
        key.WriteInteger(name, settings.*field);
    }
}

void FirstRun(SettingsRegistry& registry, StartupActions& actions) {
    {
        std::unique_ptr<SettingsKey> key = registry.CreateSettingsKey();
        if (key != nullptr) {
            WriteAll(Settings{}, *key);
        }
    }
    registry.WriteAutorun();
    actions.CreateShortcut(2, DesktopShortcutName());
    actions.CreateShortcut(3, kProductName);
    if (actions.AskWelcome(kWelcomeText)) {
        actions.DemonstrateAll();
    }
}

// A settings key that fails every read: what reading from a key that could
// not be opened comes to.
class MissingKey final : public SettingsKey {
  public:
    std::int32_t ReadInteger(const std::wstring& name) override { throw FailedToGetData(name); }
    void WriteInteger(const std::wstring& name, std::int32_t) override {
        throw FailedToSetData(name);
    }
};

}  // namespace

std::wstring DesktopShortcutName() {
    // Two ideographic spaces and an arrow after the fourth character.
    std::wstring name = kProductName;
    return name.insert(4, L"\u3000\u3000\u2192");
}

void LoadSettings(Settings& settings, SettingsRegistry& registry, StartupActions& actions) {
    settings = Settings{};
    std::unique_ptr<SettingsKey> key = registry.OpenSettingsKey();
    if (key == nullptr) {
        FirstRun(registry, actions);
        key = registry.OpenSettingsKey();
    }
    if (key == nullptr) {
        key = std::make_unique<MissingKey>();
    }
    // Each value is applied right after it is read; the counts come first
    // so that a stored custom arrangement is performed correctly.
    settings.customCount = key->ReadInteger(L"CustomCount");
    settings.customCharacterCount = key->ReadInteger(L"CustomCharacterCount");
    settings.textColor = key->ReadInteger(L"TextColor");
    actions.ApplyTextColor();
    settings.arrage = key->ReadInteger(L"Arrage");
    actions.PerformArrangement();
    settings.flashScreen = key->ReadInteger(L"FlashScreen");
    actions.SetRefreshInterval();
    settings.showHideIcon = key->ReadInteger(L"ShowHideIcon");
    actions.SetShowHideCaption();
    settings.skin = key->ReadInteger(L"Skin");
    actions.ApplySkin();
}

void SaveSettings(const Settings& settings, SettingsRegistry& registry) {
    std::unique_ptr<SettingsKey> key;
    try {
        key = registry.CreateSettingsKey();
    } catch (const Error&) {
        return;  // nowhere to save to; the settings stay in memory
    }
    if (key != nullptr) {
        WriteAll(settings, *key);
    }
}

std::uint32_t RefreshIntervalMs(std::int32_t flashScreen) {
    // The timer service takes at most 0x7FFFFFFF ms (about 24.8 days).
    constexpr std::int64_t kLongest = 0x7FFF'FFFF;
    if (flashScreen <= 0) {
        return 0;
    }
    const std::int64_t interval = std::int64_t{flashScreen} * 1000;
    return static_cast<std::uint32_t>(interval < kLongest ? interval : kLongest);
}

}  // namespace tavrel
