// Where the settings live: the root chosen per run, the settings store on
// it, the autorun value and the custom character texts.
#include "core/settings_registry.h"

#include <gtest/gtest.h>

#include "support/fake_registry.h"

namespace tavrel {
namespace {

using testing::FakeRegistry;
constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
const std::wstring kSettings = kSettingsKeyPath;

// Start-up actions that only count what they are asked.
struct CountingActions final : StartupActions {
    int shortcuts = 0;
    int questions = 0;
    int arrangements = 0;
    void ApplyTextColor() override {}
    void PerformArrangement() override { ++arrangements; }
    void SetRefreshInterval() override {}
    void SetShowHideCaption() override {}
    void ApplySkin() override {}
    void CreateShortcut(int, const std::wstring&) override { ++shortcuts; }
    bool AskWelcome(const std::wstring&) override {
        ++questions;
        return false;
    }
    void DemonstrateAll() override {}
};

TEST(SettingsRoot, TheMachineWhereverItMayBeWritten) {
    FakeRegistry registry;
    EXPECT_EQ(ChooseSettingsRoot(registry), kMachine) << "missing, and may be created";
    EXPECT_FALSE(registry.HasKey(kMachine, kSettings))
        << "choosing creates nothing: the first run still comes";
    registry.PutInteger(kMachine, kSettings, L"Arrage", 3);
    EXPECT_EQ(ChooseSettingsRoot(registry), kMachine);
}

TEST(SettingsRoot, TheUserWhenTheMachineIsClosedToHim) {
    FakeRegistry registry;
    registry.readOnlyRoots.insert(kMachine);
    EXPECT_EQ(ChooseSettingsRoot(registry), kUser);
    EXPECT_EQ(registry.KeyCount(), 0u) << "nothing copied from a machine that has no settings";
}

TEST(SettingsRoot, AnAdministratorsInstallationIsCopiedOnceWithEverySubkey) {
    FakeRegistry registry;
    registry.PutInteger(kMachine, kSettings, L"Arrage", 31);
    registry.PutInteger(kMachine, kSettings, L"CustomCount", 1);
    registry.PutString(kMachine, kSettings + L"\\CustomCharacter", L"CustomCharacter1", L"中国");
    registry.PutString(kMachine, kSettings + L"\\CustomPosition\\CustomPosition1",
                       L"CustomMenuName", L"工作");
    registry.PutInteger(kMachine, kSettings + L"\\CustomPosition\\CustomPosition1\\0", L"IconPos.X",
                        -1);
    registry.readOnlyRoots.insert(kMachine);

    EXPECT_EQ(ChooseSettingsRoot(registry), kUser);
    EXPECT_EQ(registry.ReadInteger(kUser, kSettings, L"Arrage"), 31);
    EXPECT_EQ(registry.ReadString(kUser, kSettings + L"\\CustomCharacter", L"CustomCharacter1"),
              L"中国");
    EXPECT_EQ(registry.ReadString(kUser, kSettings + L"\\CustomPosition\\CustomPosition1",
                                  L"CustomMenuName"),
              L"工作");
    EXPECT_EQ(registry.ReadInteger(kUser, kSettings + L"\\CustomPosition\\CustomPosition1\\0",
                                   L"IconPos.X"),
              -1);

    // Later runs keep what the user changed since.
    registry.PutInteger(kUser, kSettings, L"Arrage", 5);
    EXPECT_EQ(ChooseSettingsRoot(registry), kUser);
    EXPECT_EQ(registry.ReadInteger(kUser, kSettings, L"Arrage"), 5) << "copied once only";
}

TEST(SettingsRoot, AFailedCopyKeepsReadingTheMachinesKey) {
    FakeRegistry registry;
    registry.PutInteger(kMachine, kSettings, L"Arrage", 31);
    registry.readOnlyRoots = {kMachine, kUser};
    EXPECT_EQ(ChooseSettingsRoot(registry), kMachine);
}

TEST(RegistrySettings, AStandardUsersFirstAndSecondStartLiveUnderTheUser) {
    FakeRegistry registry;
    registry.readOnlyRoots.insert(kMachine);
    const RegistryRoot root = ChooseSettingsRoot(registry);
    RegistrySettings store(registry, root, L"C:\\Program Files\\Tavrel\\tavrel.exe");
    Settings settings;
    CountingActions first;
    LoadSettings(settings, store, first);
    EXPECT_EQ(first.questions, 1);
    EXPECT_EQ(first.shortcuts, 2);
    EXPECT_EQ(registry.ReadInteger(kUser, kSettings, L"Arrage"), 29);
    EXPECT_EQ(registry.ReadInteger(kUser, kSettings, L"CustomCharacterCount"), 0);
    EXPECT_EQ(registry.ReadString(kUser, kRunKeyPath, L"Tavrel"),
              L"\"C:\\Program Files\\Tavrel\\tavrel.exe\"")
        << "quoted, so that the path's blanks cannot start another program";
    EXPECT_EQ(ReadAutoRunCaption(registry, root), std::optional<std::wstring>(L"取消自动运行功能"));

    CountingActions second;
    LoadSettings(settings, store, second);
    EXPECT_EQ(second.questions, 0);
    EXPECT_EQ(second.shortcuts, 0);
    EXPECT_EQ(second.arrangements, 1);
}

TEST(RegistrySettings, AMigratedInstallationIsNoFirstStart) {
    FakeRegistry registry;
    RegistrySettings machine(registry, kMachine, L"C:\\tavrel.exe");
    Settings stored;
    stored.arrage = 12;
    stored.skin = 4;
    SaveSettings(stored, machine);
    registry.readOnlyRoots.insert(kMachine);

    RegistrySettings store(registry, ChooseSettingsRoot(registry), L"C:\\tavrel.exe");
    Settings settings;
    CountingActions actions;
    LoadSettings(settings, store, actions);
    EXPECT_EQ(actions.questions, 0);
    EXPECT_EQ(settings.arrage, 12);
    EXPECT_EQ(settings.skin, 4);
    settings.arrage = 13;
    SaveSettings(settings, store);
    EXPECT_EQ(registry.ReadInteger(kUser, kSettings, L"Arrage"), 13)
        << "saves reach the user's copy";
}

TEST(RegistrySettings, NoWhereToWriteAtAllIsTheOldFailure) {
    FakeRegistry registry;
    registry.readOnlyRoots = {kMachine, kUser};
    RegistrySettings store(registry, ChooseSettingsRoot(registry), L"C:\\tavrel.exe");
    Settings settings;
    CountingActions actions;
    try {
        LoadSettings(settings, store, actions);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Failed to create key Software\\Quorral\\Tavrel\\2.00");
    }
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser), std::nullopt)
        << "the Run key cannot be had either";
}

TEST(StoredTexts, OldUnquotedAutorunValuesStillCount) {
    FakeRegistry registry;
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser),
              std::optional<std::wstring>(L"系统启动时自动运行"));
    registry.PutString(kUser, kRunKeyPath, L"Tavrel", L"C:\\tavrel.exe");
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser),
              std::optional<std::wstring>(L"取消自动运行功能"));
    registry.PutString(kUser, kRunKeyPath, L"Tavrel", L"");
    EXPECT_EQ(ReadAutoRunCaption(registry, kUser),
              std::optional<std::wstring>(L"系统启动时自动运行"));
    registry.PutInteger(kUser, kRunKeyPath, L"Tavrel", 1);
    EXPECT_THROW(ReadAutoRunCaption(registry, kUser), Error);
}

TEST(StoredTexts, CustomCharactersFollowTheRoot) {
    FakeRegistry registry;
    EXPECT_EQ(ReadCustomCharacter(registry, kUser, 1), std::nullopt);
    registry.PutString(kUser, kSettings + L"\\CustomCharacter", L"CustomCharacter2", L"ABC");
    EXPECT_EQ(ReadCustomCharacter(registry, kUser, 2), std::optional<std::wstring>(L"ABC"));
    EXPECT_EQ(ReadCustomCharacter(registry, kUser, 1), std::optional<std::wstring>(L""));
    EXPECT_EQ(ReadCustomCharacter(registry, kMachine, 2), std::nullopt);
}

}  // namespace
}  // namespace tavrel
