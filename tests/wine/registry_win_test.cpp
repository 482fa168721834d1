// The registry key object and the stored texts, against the prefix's real
// registry.
#include "core/registry_win.h"

#include <gtest/gtest.h>

#include "support/error_of.h"

namespace tavrel {
namespace {

constexpr wchar_t kScratchKey[] = L"Software\\Quorral\\TavrelTest";

class RegistryTest : public ::testing::Test {
  protected:
    void SetUp() override { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Quorral"); }
    void TearDown() override { ::RegDeleteTreeW(HKEY_LOCAL_MACHINE, L"Software\\Quorral"); }
};

std::optional<std::wstring> MachineCustomCharacter(std::int32_t k) {
    Win32Registry registry;
    return ReadCustomCharacter(registry, RegistryRoot::kLocalMachine, k);
}

using testing::ErrorOf;

TEST_F(RegistryTest, OpenDoesNotCreateAndCreateMakesParents) {
    EXPECT_FALSE(RegistryKey::Open(HKEY_LOCAL_MACHINE, kScratchKey).has_value());
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kScratchKey).WriteInteger(L"A", -7);
    std::optional<RegistryKey> key = RegistryKey::Open(HKEY_LOCAL_MACHINE, kScratchKey);
    ASSERT_TRUE(key.has_value());
    EXPECT_EQ(key->ReadInteger(L"A"), -7);
}

TEST_F(RegistryTest, StrictIntegerReads) {
    const RegistryKey key = RegistryKey::Create(HKEY_LOCAL_MACHINE, kScratchKey);
    key.WriteString(L"Short", L"abc");  // 4 bytes with its zero
    key.WriteString(L"Long", L"abcd");  // 5 bytes
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger(L"Missing"); }), L"Failed to get data for 'Missing'");
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger(L"Short"); }), L"Invalid data type for 'Short'");
    EXPECT_EQ(ErrorOf([&] { key.ReadInteger(L"Long"); }), L"Failed to get data for 'Long'");
}

TEST_F(RegistryTest, StringsReadAsStoredAndMissingOnesAsEmpty) {
    const RegistryKey key = RegistryKey::Create(HKEY_LOCAL_MACHINE, kScratchKey);
    key.WriteString(L"Text", L"中国 10:23");
    EXPECT_EQ(key.ReadString(L"Text"), L"中国 10:23");
    EXPECT_EQ(key.ReadString(L"Nothing"), L"");
    key.WriteInteger(L"Number", 5);
    EXPECT_EQ(ErrorOf([&] { key.ReadString(L"Number"); }), L"Invalid data type for 'Number'");
    EXPECT_TRUE(key.ValueExists(L"Text"));
    EXPECT_FALSE(key.ValueExists(L"Nothing"));
}

TEST_F(RegistryTest, AKeyThatCannotBeCreatedIsReported) {
    // A key name longer than the registry allows.
    const std::wstring tooLong = L"Software\\" + std::wstring(300, L'k');
    EXPECT_EQ(ErrorOf([&] { RegistryKey::Create(HKEY_LOCAL_MACHINE, tooLong); }),
              L"Failed to create key " + tooLong);
}

TEST_F(RegistryTest, CustomCharacterTexts) {
    EXPECT_EQ(MachineCustomCharacter(1), std::nullopt) << "no settings key";
    RegistryKey::Create(HKEY_LOCAL_MACHINE, kSettingsKeyPath);
    EXPECT_EQ(MachineCustomCharacter(1), std::nullopt) << "no subkey";
    const RegistryKey characters = RegistryKey::Create(
        HKEY_LOCAL_MACHINE, std::wstring(kSettingsKeyPath) + L"\\CustomCharacter");
    characters.WriteString(L"CustomCharacter2", L"中国");
    EXPECT_EQ(MachineCustomCharacter(2), std::optional<std::wstring>(L"中国"));
    EXPECT_EQ(MachineCustomCharacter(1), std::optional<std::wstring>(L""))
        << "an absent value is the empty text";
}

TEST_F(RegistryTest, ATreeThatCanGoWholeIsFoundOutWithoutDeletingAnything) {
    Win32Registry registry;
    const std::wstring layout = std::wstring(kScratchKey) + L"\\CustomPosition1";
    EXPECT_FALSE(registry.CanDeleteTree(RegistryRoot::kLocalMachine, layout)) << "not there";
    RegistryKey::Create(HKEY_LOCAL_MACHINE, layout).WriteString(L"CustomMenuName", L"一");
    RegistryKey::Create(HKEY_LOCAL_MACHINE, layout + L"\\0\\deeper").WriteInteger(L"IconPos.X", 1);
    RegistryKey::Create(HKEY_LOCAL_MACHINE, layout + L"\\1");
    EXPECT_TRUE(registry.CanDeleteTree(RegistryRoot::kLocalMachine, layout));
    EXPECT_TRUE(registry.KeyExists(RegistryRoot::kLocalMachine, layout + L"\\0\\deeper"));
    EXPECT_TRUE(registry.DeleteTree(RegistryRoot::kLocalMachine, layout));
    EXPECT_FALSE(registry.KeyExists(RegistryRoot::kLocalMachine, layout));
}

}  // namespace
}  // namespace tavrel
