// Where the settings live, against the prefix's real registry: as the
// administrator Wine runs as, and as a standard user who may read but not
// write HKEY_LOCAL_MACHINE.
#include <gtest/gtest.h>

#include "core/autorun.h"
#include "core/registry_win.h"
#include "core/settings_registry.h"
#include "support/denying_registry.h"

namespace tavrel {
namespace {

constexpr RegistryRoot kMachine = RegistryRoot::kLocalMachine;
constexpr RegistryRoot kUser = RegistryRoot::kCurrentUser;
const std::wstring kSettings = kSettingsKeyPath;
constexpr wchar_t kProgram[] = L"C:\\Program Files\\Tavrel\\tavrel.exe";

struct QuietActions final : StartupActions {
    int questions = 0;
    void ApplyTextColor() override {}
    void PerformArrangement() override {}
    void SetRefreshInterval() override {}
    void SetShowHideCaption() override {}
    void ApplySkin() override {}
    void CreateShortcut(int, const std::wstring&) override {}
    bool AskWelcome(const std::wstring&) override {
        ++questions;
        return false;
    }
    void DemonstrateAll() override {}
};

class SettingsRootTest : public ::testing::Test {
  protected:
    void SetUp() override { Forget(); }
    void TearDown() override { Forget(); }
    static void Forget() {
        for (HKEY root : {HKEY_LOCAL_MACHINE, HKEY_CURRENT_USER}) {
            ::RegDeleteTreeW(root, L"Software\\Quorral");
            if (const std::optional<RegistryKey> run = RegistryKey::Open(root, kRunKeyPath)) {
                ::RegDeleteValueW(run->get(), kProductName);
            }
        }
    }
    Win32Registry real_;
    testing::DenyingRegistry standardUser_{real_, kMachine};
};

TEST_F(SettingsRootTest, AnAdministratorKeepsTheMachinesKey) {
    EXPECT_TRUE(real_.CanCreateKey(kMachine, kSettings));
    EXPECT_EQ(ChooseSettingsRoot(real_), kMachine);
    EXPECT_FALSE(real_.KeyExists(kMachine, kSettings)) << "choosing created nothing";
}

TEST_F(SettingsRootTest, AUsersTreeWinsWhenHeStartsTheProgramAsAdministrator) {
    RegistrySettings user(real_, kUser, kProgram);
    Settings stored;
    stored.arrage = 31;
    SaveSettings(stored, user);
    ASSERT_TRUE(real_.CanCreateKey(kMachine, kSettings));
    const RegistryRoot root = ChooseSettingsRoot(real_);
    ASSERT_EQ(root, kUser);
    RegistrySettings store(real_, root, kProgram);
    Settings settings;
    QuietActions actions;
    EXPECT_NO_THROW(LoadSettings(settings, store, actions));
    EXPECT_EQ(actions.questions, 0) << "no first start";
    EXPECT_EQ(settings.arrage, 31);
    EXPECT_FALSE(real_.KeyExists(kMachine, kSettings)) << "no machine-wide tree";
}

TEST_F(SettingsRootTest, AutorunIsOnWhereverItWasWrittenAndOffEverywhereItCanGo) {
    const std::wstring path = L"\"C:\\Tavrel\\tavrel.exe\"";
    ASSERT_TRUE(real_.CreateKey(kUser, kRunKeyPath));
    ASSERT_TRUE(real_.CreateKey(kMachine, kRunKeyPath));
    real_.WriteString(kUser, kRunKeyPath, kProductName, path);
    real_.WriteString(kMachine, kRunKeyPath, kProductName, path);

    // A standard user: his own value goes, the machine's stays and is told of.
    EXPECT_EQ(ReadAutoRunCaption(standardUser_, kUser),
              std::optional<std::wstring>(L"取消自动运行功能"));
    const AutorunRemoval asUser = RemoveAutorunEverywhere(standardUser_);
    EXPECT_TRUE(MachineWideRemains(asUser));
    EXPECT_FALSE(real_.ValueExists(kUser, kRunKeyPath, kProductName));
    EXPECT_EQ(real_.ReadString(kMachine, kRunKeyPath, kProductName), path);
    EXPECT_EQ(ReadAutoRunCaption(standardUser_, kUser),
              std::optional<std::wstring>(L"取消自动运行功能"))
        << "the machine's value still starts the program";

    // An administrator whose own tree is the user's: off everywhere.
    real_.WriteString(kUser, kRunKeyPath, kProductName, path);
    const AutorunRemoval asAdministrator = RemoveAutorunEverywhere(real_);
    EXPECT_FALSE(MachineWideRemains(asAdministrator));
    EXPECT_FALSE(real_.ValueExists(kUser, kRunKeyPath, kProductName));
    EXPECT_FALSE(real_.ValueExists(kMachine, kRunKeyPath, kProductName));
    EXPECT_EQ(ReadAutoRunCaption(real_, kUser), std::optional<std::wstring>(L"系统启动时自动运行"));
}

TEST_F(SettingsRootTest, AStandardUsersFirstAndSecondStart) {
    const RegistryRoot root = ChooseSettingsRoot(standardUser_);
    ASSERT_EQ(root, kUser);
    RegistrySettings store(standardUser_, root, kProgram);
    Settings settings;
    QuietActions first;
    EXPECT_NO_THROW(LoadSettings(settings, store, first));
    EXPECT_EQ(first.questions, 1);
    EXPECT_EQ(real_.ReadInteger(kUser, kSettings, L"FlashScreen"), 60);
    EXPECT_EQ(real_.ReadInteger(kUser, kSettings, L"Skin"), 2);
    EXPECT_FALSE(real_.KeyExists(kMachine, kSettings)) << "nothing written to the machine";
    EXPECT_EQ(real_.ReadString(kUser, kRunKeyPath, kProductName),
              L"\"C:\\Program Files\\Tavrel\\tavrel.exe\"");
    EXPECT_EQ(real_.ReadString(kMachine, kRunKeyPath, kProductName), L"");
    EXPECT_EQ(ReadAutoRunCaption(standardUser_, root),
              std::optional<std::wstring>(L"取消自动运行功能"));
    EXPECT_EQ(ReadAutoRunCaption(standardUser_, kMachine), std::nullopt)
        << "the machine's Run key cannot be opened: the program menu's error box";

    QuietActions second;
    EXPECT_EQ(ChooseSettingsRoot(standardUser_), kUser);
    EXPECT_NO_THROW(LoadSettings(settings, store, second));
    EXPECT_EQ(second.questions, 0);
}

TEST_F(SettingsRootTest, AnInstallationOfTheAdministratorMovesToTheUserWithItsSubkeys) {
    RegistrySettings machine(real_, kMachine, kProgram);
    Settings stored;
    stored.arrage = 31;
    stored.customCount = 1;
    stored.customCharacterCount = 1;
    SaveSettings(stored, machine);
    ASSERT_TRUE(real_.CreateKey(kMachine, kSettings + L"\\CustomCharacter"));
    real_.WriteString(kMachine, kSettings + L"\\CustomCharacter", L"CustomCharacter1", L"中国");
    const std::wstring item = kSettings + L"\\CustomPosition\\CustomPosition1\\0";
    ASSERT_TRUE(real_.CreateKey(kMachine, item));
    real_.WriteString(kMachine, kSettings + L"\\CustomPosition\\CustomPosition1", L"CustomMenuName",
                      L"工作");
    real_.WriteInteger(kMachine, item, L"IconPos.X", -1);

    const RegistryRoot root = ChooseSettingsRoot(standardUser_);
    ASSERT_EQ(root, kUser);
    EXPECT_EQ(real_.ReadInteger(kUser, kSettings, L"Arrage"), 31);
    EXPECT_EQ(ReadCustomCharacter(real_, kUser, 1), std::optional<std::wstring>(L"中国"));
    EXPECT_EQ(real_.ReadString(kUser, kSettings + L"\\CustomPosition\\CustomPosition1",
                               L"CustomMenuName"),
              L"工作");
    EXPECT_EQ(real_.ReadInteger(kUser, item, L"IconPos.X"), -1);
    EXPECT_EQ(real_.ReadInteger(kMachine, kSettings, L"Arrage"), 31) << "the machine's copy stays";

    RegistrySettings store(standardUser_, root, kProgram);
    Settings settings;
    QuietActions actions;
    EXPECT_NO_THROW(LoadSettings(settings, store, actions));
    EXPECT_EQ(actions.questions, 0) << "no first start again";
    EXPECT_EQ(settings.arrage, 31);
}

TEST_F(SettingsRootTest, TheStrictReadsKeepTheirTextsUnderTheUser) {
    ASSERT_TRUE(real_.CreateKey(kUser, kSettings));
    RegistrySettings store(standardUser_, kUser, kProgram);
    SaveSettings(Settings{}, store);
    ::RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKeyPath, L"FlashScreen");
    Settings settings;
    QuietActions actions;
    try {
        LoadSettings(settings, store, actions);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Failed to get data for 'FlashScreen'");
    }
    real_.WriteString(kUser, kRunKeyPath, kProductName, L"x");
    EXPECT_EQ(ReadAutoRunCaption(standardUser_, kUser),
              std::optional<std::wstring>(L"取消自动运行功能"));
    real_.WriteInteger(kUser, kRunKeyPath, kProductName, 3);
    try {
        ReadAutoRunCaption(standardUser_, kUser);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"Invalid data type for 'Tavrel'");
    }
}

}  // namespace
}  // namespace tavrel
