#include "textlayouts/custom_menu.h"

#include <gtest/gtest.h>

#include <limits>

#include "core/commands.h"
#include "common/error.h"
#include "support/scripted_prompts.h"

namespace tavrel {
namespace {

using testing::ScriptedPrompts;

std::vector<std::int64_t> ColumnStarts(std::int64_t count) {
    std::vector<std::int64_t> starts;
    for (std::int64_t e = 1; e <= count; ++e) {
        if (StartsNewColumn(e, count)) {
            starts.push_back(e);
        }
    }
    return starts;
}

TEST(ColumnBreaks, EachBandOfEntryCountsSplitsIntoItsColumns) {
    EXPECT_EQ(ColumnStarts(0), (std::vector<std::int64_t>{}));
    EXPECT_EQ(ColumnStarts(11), (std::vector<std::int64_t>{}));
    EXPECT_EQ(ColumnStarts(12), (std::vector<std::int64_t>{6}));
    EXPECT_EQ(ColumnStarts(30), (std::vector<std::int64_t>{15}));
    EXPECT_EQ(ColumnStarts(31), (std::vector<std::int64_t>{10, 21}));
    EXPECT_EQ(ColumnStarts(60), (std::vector<std::int64_t>{20, 41}));
    EXPECT_EQ(ColumnStarts(61), (std::vector<std::int64_t>{15, 31, 47}));
    EXPECT_EQ(ColumnStarts(100), (std::vector<std::int64_t>{25, 51, 77}));
    EXPECT_EQ(ColumnStarts(101), (std::vector<std::int64_t>{20, 41, 62, 83}));
}

TEST(ColumnBreaks, AVeryLargeCountStillGivesFiveColumns) {
    const std::int64_t count = std::numeric_limits<std::int32_t>::max();  // c = 429496729
    EXPECT_TRUE(StartsNewColumn(429496729, count));
    EXPECT_TRUE(StartsNewColumn(858993459, count));
    EXPECT_TRUE(StartsNewColumn(1288490189, count));
    EXPECT_TRUE(StartsNewColumn(1717986919, count));
    EXPECT_FALSE(StartsNewColumn(1, count));
    EXPECT_FALSE(StartsNewColumn(429496730, count));
    EXPECT_FALSE(StartsNewColumn(count, count));
    EXPECT_FALSE(StartsNewColumn(0, count));
}

TEST(CustomMenuEntries, CarryNumberNameCaptionImageAndCommand) {
    const std::vector<CustomMenuEntry> entries =
        MakeCustomMenuEntries(L"CustomPosition", 38, 31, {L"工作", L""});
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].caption, L"31.工作");
    EXPECT_EQ(entries[0].name, L"CustomPosition31");
    EXPECT_EQ(entries[0].tag, 31);
    EXPECT_EQ(entries[0].image, 38);
    EXPECT_EQ(entries[0].command, std::optional<std::uint16_t>(1031));
    EXPECT_EQ(entries[1].caption, L"32.");
    EXPECT_FALSE(entries[0].startsColumn);
}

TEST(CustomMenuEntries, NumbersBeyondTheCommandIdsAreListedWithoutACommand) {
    const std::vector<CustomMenuEntry> entries =
        MakeCustomMenuEntries(L"CustomCharacter", 35, 64534, {L"a", L"b", L"c"});
    EXPECT_EQ(entries[0].command, std::optional<std::uint16_t>(65534));
    EXPECT_EQ(entries[1].command, std::optional<std::uint16_t>(65535));
    EXPECT_EQ(entries[2].command, std::nullopt);
    EXPECT_EQ(entries[2].caption, L"64536.c");
}

TEST(CommandIds, ArrangementIdsNeverMeetTheFixedCommands) {
    EXPECT_EQ(ArrangementCommand(30), 1030);
    EXPECT_EQ(ArrangementOfCommand(1030), 30);
    EXPECT_EQ(ArrangementOfCommand(ArrangementCommand(kLastCommandArrangement)), 64535);
    EXPECT_LT(ArrangementOfCommand(kCmdCustomPositionSave), 1);
    EXPECT_LT(ArrangementOfCommand(kFixedCommandEnd), 1);
    EXPECT_FALSE(HasArrangementCommand(0));
    EXPECT_FALSE(HasArrangementCommand(-5));
    EXPECT_TRUE(HasArrangementCommand(1));
    EXPECT_FALSE(HasArrangementCommand(64536));
}

TEST(DeleteNumber, DigitsOnlyAreAcceptedTheRejectedTextStaysInTheBox) {
    ScriptedPrompts prompts;
    prompts.answers = {L"3a", L"3a", L"031"};
    EXPECT_EQ(AskDeleteNumber(prompts), std::optional<std::wstring>(L"031"));
    EXPECT_EQ(
        prompts.transcript,
        (std::vector<std::wstring>{L"ask 0", L"notice 你现在只能输入 0 ~ 9 之间的数字！", L"ask 3a",
                                   L"notice 你现在只能输入 0 ~ 9 之间的数字！", L"ask 3a"}));
    EXPECT_EQ(prompts.asked[0].prompt, L"\u3000\u3000请输入你要删除自定义字母排列方案的数字编号：");
}

TEST(DeleteNumber, CancelEndsTheAskingEvenAfterARejectedText) {
    ScriptedPrompts prompts;
    prompts.answers = {std::nullopt};
    EXPECT_EQ(AskDeleteNumber(prompts), std::nullopt);
    prompts.answers = {L"-1", std::nullopt};
    EXPECT_EQ(AskDeleteNumber(prompts), std::nullopt);
    EXPECT_EQ(prompts.notices.size(), 1u) << "a minus sign is not a digit";
}

TEST(DeleteNumber, FullWidthDigitsAreNotDigits) {
    ScriptedPrompts prompts;
    prompts.answers = {L"３１", L"31"};
    EXPECT_EQ(AskDeleteNumber(prompts), std::optional<std::wstring>(L"31"));
    EXPECT_EQ(prompts.notices.size(), 1u);
}

TEST(DeleteNumber, DecimalValueLeadingZerosEmptyAndTheEndOfThe32BitRange) {
    EXPECT_EQ(ParseArrangementNumber(L""), 0);
    EXPECT_EQ(ParseArrangementNumber(L"0"), 0);
    EXPECT_EQ(ParseArrangementNumber(L"00031"), 31);
    EXPECT_EQ(ParseArrangementNumber(L"2147483647"), 2147483647);
    EXPECT_EQ(ParseArrangementNumber(L"000000000000002147483647"), 2147483647);
    try {
        ParseArrangementNumber(L"2147483648");
        ADD_FAILURE() << "beyond the range";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"'2147483648' is not a valid integer value");
    }
    EXPECT_THROW(ParseArrangementNumber(L"99999999999999999999999"), Error);
}

TEST(NewNumbers, FollowTheCountsAndRefuseToLeaveThe32BitRange) {
    Settings settings;
    settings.customCharacterCount = 2;
    settings.customCount = 3;
    const std::optional<GrownCounts> character = AddCustomCharacterNumber(settings);
    ASSERT_TRUE(character);
    EXPECT_EQ(character->characters, 3);
    EXPECT_EQ(character->newNumber, 32);
    const std::optional<GrownCounts> layout = AddCustomLayoutNumber(settings);
    ASSERT_TRUE(layout);
    EXPECT_EQ(layout->layouts, 4);
    EXPECT_EQ(layout->newNumber, 35);

    settings.customCharacterCount = 0;
    settings.customCount = std::numeric_limits<std::int32_t>::max() - 30;
    EXPECT_EQ(AddCustomLayoutNumber(settings)->newNumber, 2147483647);
    EXPECT_TRUE(AddCustomCharacterNumber(settings)) << "the last layout becomes 2147483647";
    settings.customCount = std::numeric_limits<std::int32_t>::max() - 29;
    EXPECT_FALSE(AddCustomLayoutNumber(settings));
    EXPECT_FALSE(AddCustomCharacterNumber(settings)) << "the last layout would pass the range";
    settings.customCount = std::numeric_limits<std::int32_t>::max();
    settings.customCharacterCount = std::numeric_limits<std::int32_t>::min();
    EXPECT_FALSE(AddCustomLayoutNumber(settings)) << "the count itself would wrap";
    settings.customCount = -7;
    settings.customCharacterCount = std::numeric_limits<std::int32_t>::max() - 29;
    EXPECT_FALSE(AddCustomCharacterNumber(settings));
}

TEST(NewNumbers, TheCurrentArrangementFollowsADelete) {
    Settings settings;
    settings.arrage = 31;
    ShiftCurrentAfterDelete(settings, 31);
    EXPECT_EQ(settings.arrage, 30) << "the deleted one: the number before it";
    settings.arrage = 33;
    ShiftCurrentAfterDelete(settings, 31);
    EXPECT_EQ(settings.arrage, 32) << "a later one drops with it";
    settings.arrage = 29;
    ShiftCurrentAfterDelete(settings, 30);
    EXPECT_EQ(settings.arrage, 29);
}

}  // namespace
}  // namespace tavrel
