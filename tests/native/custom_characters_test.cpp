#include "textlayouts/custom_characters.h"

#include <gtest/gtest.h>

#include "common/error.h"
#include "support/error_of.h"
#include "support/fake_registry.h"
#include "support/scripted_prompts.h"

namespace tavrel {
namespace {

using testing::ErrorOf;
using testing::FakeRegistry;
using testing::ScriptedPrompts;

constexpr RegistryRoot kRoot = RegistryRoot::kCurrentUser;
const std::wstring kKey = L"Software\\Quorral\\Tavrel\\2.00\\CustomCharacter";
const std::wstring kDuplicate = L"您的电脑已经存在这种排列方案，改一改别的吧！";

class CustomCharacterTest : public ::testing::Test {
  protected:
    void Store(std::vector<std::wstring> texts) {
        for (std::size_t n = 1; n <= texts.size(); ++n) {
            registry.PutString(kRoot, kKey, L"CustomCharacter" + std::to_wstring(n), texts[n - 1]);
        }
        settings.customCharacterCount = static_cast<std::int32_t>(texts.size());
    }
    std::wstring Text(int n) {
        const FakeRegistry::Value* value =
            registry.Find(kRoot, kKey, L"CustomCharacter" + std::to_wstring(n));
        return value == nullptr ? L"<none>" : value->text;
    }
    std::vector<CustomMenuEntry> Entries() {
        std::vector<CustomMenuEntry> entries;
        CustomCharacterClick(context.store, settings, entries);
        return entries;
    }
    std::vector<std::wstring> Captions() {
        std::vector<std::wstring> captions;
        for (const CustomMenuEntry& entry : Entries()) {
            captions.push_back(entry.caption);
        }
        return captions;
    }

    FakeRegistry registry;
    Settings settings;
    ScriptedPrompts prompts;
    std::vector<std::wstring> drawn;
    CustomCharacterContext context{
        {registry, kRoot}, settings, prompts, [this](const std::wstring& text) {
            drawn.push_back(text);
        }};
};

TEST_F(CustomCharacterTest, SaveStoresTheNextNumberMakesItCurrentAndDrawsIt) {
    Store({L"ABC"});
    prompts.answers = {L"你好"};
    CustomCharacterSaveClick(context);
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].prompt,
              L"\u3000\u3000请输入你要定义的字母或汉字，注意：不能太长否则不能显示出来！");
    EXPECT_EQ(prompts.asked[0].initial, L"");
    EXPECT_EQ(settings.customCharacterCount, 2);
    EXPECT_EQ(settings.arrage, 31);
    EXPECT_EQ(Text(2), L"你好");
    EXPECT_EQ(registry.Find(kRoot, kKey, L"CustomCharacter2")->type, FakeRegistry::kString);
    EXPECT_EQ(drawn, (std::vector<std::wstring>{L"你好"}));
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_FALSE(registry.HasKey(RegistryRoot::kLocalMachine, kKey)) << "only the settings root";
}

TEST_F(CustomCharacterTest, ADuplicateIsRefusedForEveryCopyButStillDrawn) {
    Store({L"AB", L"ab", L"AB"});
    settings.arrage = 5;
    prompts.answers = {L"AB"};
    CustomCharacterSaveClick(context);
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{kDuplicate, kDuplicate}));
    EXPECT_EQ(settings.customCharacterCount, 3);
    EXPECT_EQ(settings.arrage, 5);
    EXPECT_EQ(Text(4), L"<none>");
    EXPECT_EQ(drawn, (std::vector<std::wstring>{L"AB"}));

    prompts.answers = {L"Ab"};
    CustomCharacterSaveClick(context);
    EXPECT_EQ(settings.customCharacterCount, 4) << "case makes another text";
    EXPECT_EQ(Text(4), L"Ab");
}

TEST_F(CustomCharacterTest, CancelAndEmptyTextDrawTheEmptyTextAndStoreNothing) {
    prompts.answers = {std::nullopt, L""};
    CustomCharacterSaveClick(context);
    CustomCharacterSaveClick(context);
    EXPECT_EQ(drawn, (std::vector<std::wstring>{L"", L""}));
    EXPECT_EQ(settings.customCharacterCount, 0);
    EXPECT_EQ(settings.arrage, 29);
    EXPECT_EQ(registry.KeyCount(), 0u) << "no key is created for nothing";
}

TEST_F(CustomCharacterTest, KeysThatCannotBeCreatedStoreNothingYetTheTextIsDrawn) {
    registry.readOnlyRoots.insert(kRoot);
    prompts.answers = {L"X"};
    CustomCharacterSaveClick(context);
    EXPECT_EQ(settings.customCharacterCount, 0);
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_EQ(drawn, (std::vector<std::wstring>{L"X"}));
}

TEST_F(CustomCharacterTest, ADamagedValueEndsTheSaveAndNoCountWrapsAround) {
    Store({L"A", L"B"});
    registry.PutInteger(kRoot, kKey, L"CustomCharacter1", 7);
    settings.arrage = 5;
    prompts.answers = {L"B"};
    EXPECT_EQ(ErrorOf([&] { CustomCharacterSaveClick(context); }),
              L"Invalid data type for 'CustomCharacter1'");
    EXPECT_EQ(settings.customCharacterCount, 2);
    EXPECT_EQ(settings.arrage, 5);
    EXPECT_EQ(Text(3), L"<none>");
    EXPECT_TRUE(drawn.empty()) << "the command ended at the damaged value";

    // Numbers run out only with a damaged count: the save then stores
    // nothing, without looking for duplicates first.
    settings.customCharacterCount = std::numeric_limits<std::int32_t>::max() - 29;
    settings.customCount = 1;
    settings.arrage = 1;
    prompts.answers = {L"Y"};
    CustomCharacterSaveClick(context);
    EXPECT_EQ(settings.customCharacterCount, std::numeric_limits<std::int32_t>::max() - 29);
    EXPECT_EQ(settings.arrage, 1);
    EXPECT_EQ(drawn.back(), L"Y");
}

TEST_F(CustomCharacterTest, DeletingTheMiddleTextMovesTheLaterOnesDown) {
    Store({L"A", L"B", L"C"});
    settings.arrage = 32;
    prompts.answers = {L"31"};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(Text(1), L"A");
    EXPECT_EQ(Text(2), L"C");
    EXPECT_EQ(Text(3), L"<none>");
    EXPECT_EQ(settings.customCharacterCount, 2);
    EXPECT_EQ(settings.arrage, 31) << "C is current under its new number";
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{L"删除排列方案成功！"}));
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"30.A", L"31.C"}));
}

TEST_F(CustomCharacterTest, DeletingTheCurrentFirstTextMakesTheClockCurrent) {
    Store({L"A", L"B"});
    settings.customCount = 2;
    settings.arrage = 30;
    prompts.answers = {L"30"};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(settings.arrage, 29);
    EXPECT_EQ(Text(1), L"B");

    // A current saved layout keeps pointing at the same layout.
    Store({L"A", L"B"});
    settings.arrage = 33;  // layout 2
    prompts.answers = {L"31"};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(settings.arrage, 32);
    EXPECT_EQ(32 - 29 - settings.customCharacterCount, 2);
}

TEST_F(CustomCharacterTest, DeleteRefusesWhatIsNotACustomCharacter) {
    prompts.answers = {};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{L"无排列方案可删除！"}));
    EXPECT_TRUE(prompts.asked.empty());

    Store({L"A", L"B"});
    settings.customCount = 3;
    for (const std::wstring text : {L"0", L"", L"29", L"32", L"33"}) {
        prompts.notices.clear();
        prompts.answers = {text};
        CustomCharacterDeleteClick(context);
        EXPECT_EQ(prompts.notices,
                  (std::vector<std::wstring>{L"您输入的排列方案不存在或不能删除！"}))
            << std::string(text.begin(), text.end());
    }
    EXPECT_EQ(Text(2), L"B");
    EXPECT_EQ(settings.customCharacterCount, 2);
}

TEST_F(CustomCharacterTest, CancelDeletesNothingAndSaysNothing) {
    Store({L"A"});
    prompts.answers = {std::nullopt};
    CustomCharacterDeleteClick(context);
    prompts.answers = {L"3a", std::nullopt};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{L"你现在只能输入 0 ~ 9 之间的数字！"}));
    EXPECT_EQ(Text(1), L"A");
    EXPECT_EQ(settings.customCharacterCount, 1);
}

TEST_F(CustomCharacterTest, ANumberBeyondTheRangeIsTheGeneralErrorAndDeletesNothing) {
    Store({L"A"});
    prompts.answers = {L"99999999999"};
    try {
        CustomCharacterDeleteClick(context);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"'99999999999' is not a valid integer value");
    }
    EXPECT_EQ(Text(1), L"A");
    EXPECT_EQ(settings.customCharacterCount, 1);
    EXPECT_TRUE(prompts.notices.empty());
}

TEST_F(CustomCharacterTest, MissingKeysEndTheDeleteSilently) {
    settings.customCharacterCount = 2;
    prompts.answers = {L"30"};
    CustomCharacterDeleteClick(context);
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_EQ(settings.customCharacterCount, 2);
}

TEST_F(CustomCharacterTest, DeleteOverwritesOnlyTheValuesThatExist) {
    Store({L"A", L"B", L"C", L"D"});
    registry.DeleteValue(kRoot, kKey, L"CustomCharacter2");
    prompts.answers = {L"30"};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(Text(1), L"") << "the missing second text, read as empty";
    EXPECT_EQ(Text(2), L"<none>") << "still missing";
    EXPECT_EQ(Text(3), L"D");
    EXPECT_EQ(Text(4), L"<none>");
    EXPECT_EQ(settings.customCharacterCount, 3);

    // A count above the values: the missing ones move as empty texts.
    Store({L"A", L"B"});
    registry.DeleteValue(kRoot, kKey, L"CustomCharacter3");
    settings.customCharacterCount = 4;
    prompts.answers = {L"30"};
    CustomCharacterDeleteClick(context);
    EXPECT_EQ(Text(1), L"B");
    EXPECT_EQ(Text(2), L"");
    EXPECT_EQ(Text(3), L"<none>");
    EXPECT_EQ(settings.customCharacterCount, 3);
}

TEST_F(CustomCharacterTest, ADamagedValueEndsTheDeleteWithNothingChanged) {
    Store({L"A", L"B", L"C"});
    registry.PutInteger(kRoot, kKey, L"CustomCharacter3", 1);
    settings.arrage = 31;
    prompts.answers = {L"30"};
    EXPECT_EQ(ErrorOf([&] { CustomCharacterDeleteClick(context); }),
              L"Invalid data type for 'CustomCharacter3'");
    EXPECT_EQ(Text(1), L"A");
    EXPECT_EQ(Text(2), L"B");
    const FakeRegistry::Value* damaged = registry.Find(kRoot, kKey, L"CustomCharacter3");
    ASSERT_NE(damaged, nullptr);
    EXPECT_EQ(damaged->type, FakeRegistry::kDword);
    EXPECT_EQ(settings.customCharacterCount, 3);
    EXPECT_EQ(settings.arrage, 31);
    EXPECT_TRUE(prompts.notices.empty());
}

TEST_F(CustomCharacterTest, SubmenuListsEveryTextUnderItsNumber) {
    EXPECT_TRUE(Captions().empty()) << "no key: only the fixed items";
    Store({L"ABC", L"", L"好"});
    registry.DeleteValue(kRoot, kKey, L"CustomCharacter2");
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"30.ABC", L"31.", L"32.好"}));
    const std::vector<CustomMenuEntry> entries = Entries();
    EXPECT_EQ(entries[0].name, L"CustomCharacter30");
    EXPECT_EQ(entries[0].image, 35);
    EXPECT_EQ(entries[0].tag, 30);
    EXPECT_EQ(entries[0].command, std::optional<std::uint16_t>(1030));
    settings.customCharacterCount = -4;
    EXPECT_TRUE(Captions().empty());
    settings.customCharacterCount = 12;
    const std::vector<CustomMenuEntry> twelve = Entries();
    ASSERT_EQ(twelve.size(), 12u);
    EXPECT_TRUE(twelve[5].startsColumn);
    EXPECT_EQ(std::count_if(twelve.begin(), twelve.end(), [](auto& e) { return e.startsColumn; }),
              1);
}

TEST_F(CustomCharacterTest, ADamagedValueEndsTheSubmenuAtItsEntryWithOneError) {
    Store({L"A", L"B", L"C", L"D"});
    registry.PutInteger(kRoot, kKey, L"CustomCharacter3", 1);
    registry.PutInteger(kRoot, kKey, L"CustomCharacter4", 2);
    std::vector<CustomMenuEntry> entries;
    EXPECT_EQ(ErrorOf([&] { CustomCharacterClick(context.store, settings, entries); }),
              L"Invalid data type for 'CustomCharacter3'");
    ASSERT_EQ(entries.size(), 2u) << "the entries before it";
    EXPECT_EQ(entries[1].caption, L"31.B");
}

}  // namespace
}  // namespace tavrel
