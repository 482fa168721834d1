#include "textlayouts/custom_positions.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/dispatcher.h"
#include "core/settings_registry.h"
#include "common/error.h"
#include "support/error_of.h"
#include "support/fake_registry.h"
#include "support/icon_desktop.h"
#include "support/quiet_host.h"
#include "support/scripted_prompts.h"
#include "textlayouts/custom_characters.h"

namespace tavrel {
namespace {

using testing::ErrorOf;
using testing::FakeIcon;
using testing::FakeRegistry;
using testing::IconDesktop;
using testing::Move;
using testing::ScriptedPrompts;

constexpr RegistryRoot kRoot = RegistryRoot::kLocalMachine;
const std::wstring kPositions = L"Software\\Quorral\\Tavrel\\2.00\\CustomPosition";
const std::wstring kDuplicate = L"您的电脑已经存在这种排列方案，改一改别的吧！";
const std::wstring kSavePrompt =
    L"\u3000\u3000请输入用于保存排列方案的名称:\u3000\u3000\u3000\u3000";

std::wstring Layout(int n) {
    return kPositions + L"\\CustomPosition" + std::to_wstring(n);
}
std::wstring Item(int n, int i) {
    return Layout(n) + L"\\" + std::to_wstring(i);
}

std::vector<FakeIcon> SomeIcons() {
    return {
        {L"我的电脑", 10, 20},
        {L"Recycle Bin", 30, 40},
        {L"我的电脑", 50, 60},  // a second icon of the same caption
        {std::wstring(259, L'长'), 70, 80},
        {std::wstring(300, L'x'), 90, 100},
    };
}

class CustomPositionTest : public ::testing::Test {
  protected:
    void StoreLayout(int n, const std::wstring& name,
                     std::vector<std::tuple<int, std::wstring, int, int>> items) {
        registry.PutString(kRoot, Layout(n), L"CustomMenuName", name);
        for (const auto& [i, caption, x, y] : items) {
            registry.PutString(kRoot, Item(n, i), L"IconName", caption);
            registry.PutInteger(kRoot, Item(n, i), L"IconPos.X", x);
            registry.PutInteger(kRoot, Item(n, i), L"IconPos.Y", y);
        }
    }
    std::wstring Name(int n) {
        const FakeRegistry::Value* value = registry.Find(kRoot, Layout(n), L"CustomMenuName");
        return value == nullptr ? L"<none>" : value->text;
    }
    std::vector<CustomMenuEntry> Entries(const CustomStore& store) {
        std::vector<CustomMenuEntry> entries;
        CustomPositionClick(store, settings, entries);
        return entries;
    }
    std::vector<CustomMenuEntry> Entries() { return Entries(context.store); }
    std::vector<std::wstring> Captions() {
        std::vector<std::wstring> captions;
        for (const CustomMenuEntry& entry : Entries()) {
            captions.push_back(entry.caption);
        }
        return captions;
    }
    void Save(const std::wstring& name) {
        prompts.answers.push_back(name);
        CustomPositionSaveClick(context);
    }
    void Restore(int n) { RestoreIconLayout(desktop, context.store, Layout(n)); }
    void MoveAllTo(std::int32_t x, std::int32_t y) {
        for (FakeIcon& icon : desktop.icons) {
            icon.x = x;
            icon.y = y;
        }
    }
    std::vector<std::pair<int, int>> Positions() const {
        std::vector<std::pair<int, int>> positions;
        for (const FakeIcon& icon : desktop.icons) {
            positions.emplace_back(icon.x, icon.y);
        }
        return positions;
    }

    FakeRegistry registry;
    IconDesktop desktop{SomeIcons()};
    Settings settings;
    ScriptedPrompts prompts;
    CustomPositionContext context{desktop, {registry, kRoot}, settings, prompts};
};

TEST_F(CustomPositionTest, SaveWritesEveryReadableIconUnderTheNextNumber) {
    settings.customCharacterCount = 2;
    desktop.icons[1].caption.reset();           // unreadable: a gap at 1
    desktop.icons[4].positionReadable = false;  // stored as (-1, -1)
    Save(L"工作");
    ASSERT_EQ(prompts.asked.size(), 1u);
    EXPECT_EQ(prompts.asked[0].prompt, kSavePrompt);
    EXPECT_EQ(prompts.asked[0].initial, L"");
    EXPECT_TRUE(prompts.notices.empty()) << "no confirmation";
    EXPECT_EQ(settings.customCount, 1);
    EXPECT_EQ(settings.arrage, 32);
    EXPECT_EQ(Name(1), L"工作");
    EXPECT_EQ(registry.Find(kRoot, Layout(1), L"CustomMenuName")->type, FakeRegistry::kString);
    EXPECT_FALSE(registry.HasKey(kRoot, Item(1, 1)));
    EXPECT_EQ(registry.Find(kRoot, Item(1, 0), L"IconName")->text, L"我的电脑");
    EXPECT_EQ(registry.Find(kRoot, Item(1, 3), L"IconName")->text, std::wstring(259, L'长'));
    EXPECT_EQ(registry.Find(kRoot, Item(1, 4), L"IconName")->text, std::wstring(300, L'x'));
    EXPECT_EQ(registry.Find(kRoot, Item(1, 2), L"IconPos.X")->integer, 50);
    EXPECT_EQ(registry.Find(kRoot, Item(1, 2), L"IconPos.Y")->integer, 60);
    EXPECT_EQ(registry.Find(kRoot, Item(1, 2), L"IconPos.Y")->type, FakeRegistry::kDword);
    EXPECT_EQ(registry.Find(kRoot, Item(1, 4), L"IconPos.X")->integer, -1);
    EXPECT_EQ(registry.Find(kRoot, Item(1, 4), L"IconPos.Y")->integer, -1);
    EXPECT_TRUE(desktop.moves.empty()) << "saving moves nothing";
    EXPECT_EQ(desktop.openReaders, 0);
}

TEST_F(CustomPositionTest, SaveThenRestorePutsTheIconsBack) {
    Save(L"Home");
    const auto saved = Positions();
    MoveAllTo(500, 500);
    Restore(1);
    // Both icons captioned 我的电脑 go to the first one's place.
    EXPECT_EQ(Positions(), (std::vector<std::pair<int, int>>{
                               {10, 20}, {30, 40}, {10, 20}, {70, 80}, {90, 100}}));
    EXPECT_NE(Positions(), saved);
    EXPECT_EQ(desktop.openReaders, 0);
}

TEST_F(CustomPositionTest, ALayoutSavedOnAnotherScreenIsScaledToThisOne) {
    Save(L"Home");
    EXPECT_EQ(registry.Find(kRoot, Layout(1), L"WorkAreaWidth")->integer, 1024);
    EXPECT_EQ(registry.Find(kRoot, Layout(1), L"WorkAreaHeight")->type, FakeRegistry::kDword);
    EXPECT_EQ(registry.Find(kRoot, Layout(1), L"WorkAreaHeight")->integer, 738);
    desktop.SetWorkArea({0, 0, 800, 600});
    Restore(1);
    // x * 800 / 1024 and y * 600 / 738, to the nearest integer.
    EXPECT_EQ(desktop.moves,
              (std::vector<Move>{{0, 8, 16}, {1, 23, 33}, {2, 8, 16}, {3, 55, 65}, {4, 70, 81}}));

    // A size that cannot be used puts the layout back as stored.
    for (const std::int32_t width : {0, -1024}) {
        registry.PutInteger(kRoot, Layout(1), L"WorkAreaWidth", width);
        desktop.moves.clear();
        Restore(1);
        EXPECT_EQ(desktop.moves.front(), (Move{0, 10, 20})) << width;
    }
    registry.PutString(kRoot, Layout(1), L"WorkAreaWidth", L"1024");
    desktop.moves.clear();
    Restore(1);
    EXPECT_EQ(desktop.moves.front(), (Move{0, 10, 20}));
}

TEST(ScaleSavedCoordinate, RoundsHalvesToEvenAndLeavesBadSizesAlone) {
    EXPECT_EQ(ScaleSavedCoordinate(5, 1, 2), 2);
    EXPECT_EQ(ScaleSavedCoordinate(3, 1, 2), 2);
    EXPECT_EQ(ScaleSavedCoordinate(-5, 1, 2), -2);
    EXPECT_EQ(ScaleSavedCoordinate(-1, 600, 738), -1);
    EXPECT_EQ(ScaleSavedCoordinate(70000, 2, 1), 140000);
    EXPECT_EQ(ScaleSavedCoordinate(2147483647, 2, 1), -2) << "kept to 32 bits";
    EXPECT_EQ(ScaleSavedCoordinate(7, 800, 0), 7);
    EXPECT_EQ(ScaleSavedCoordinate(7, 0, 1024), 7);
}

TEST_F(CustomPositionTest, CancelOrAnEmptyNameDoesNothingAtAll) {
    prompts.answers = {std::nullopt, L""};
    CustomPositionSaveClick(context);
    CustomPositionSaveClick(context);
    EXPECT_EQ(settings.customCount, 0);
    EXPECT_EQ(settings.arrage, 29);
    EXPECT_EQ(registry.KeyCount(), 0u);
    EXPECT_TRUE(desktop.events.empty());
}

TEST_F(CustomPositionTest, ANameAlreadyStoredIsRefusedOncePerLayoutThatHoldsIt) {
    StoreLayout(1, L"工作", {});
    StoreLayout(2, L"Work", {});
    StoreLayout(3, L"工作", {});
    settings.customCount = 3;
    settings.arrage = 7;
    Save(L"工作");
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{kDuplicate, kDuplicate}));
    EXPECT_EQ(settings.customCount, 3);
    EXPECT_EQ(settings.arrage, 7);
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(4)));
    EXPECT_TRUE(desktop.events.empty());

    Save(L"work");
    EXPECT_EQ(settings.customCount, 4) << "names differing in case are different layouts";
    EXPECT_EQ(Name(4), L"work");
}

TEST_F(CustomPositionTest, AMissingLayoutKeyIsNoDuplicateButADamagedNameEndsTheSave) {
    StoreLayout(1, L"一", {});
    settings.customCount = 2;  // layout 2 has no key at all
    Save(L"二");
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_EQ(settings.customCount, 3);

    registry.PutInteger(kRoot, Layout(2), L"CustomMenuName", 5);
    settings.arrage = 7;
    EXPECT_EQ(ErrorOf([&] { Save(L"5"); }), L"Invalid data type for 'CustomMenuName'");
    EXPECT_EQ(settings.customCount, 3);
    EXPECT_EQ(settings.arrage, 7);
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(4)));
}

TEST_F(CustomPositionTest, SavingWhileNoIconIsReadableStillCountsTheLayout) {
    for (FakeIcon& icon : desktop.icons) {
        icon.caption.reset();
    }
    Save(L"空");
    EXPECT_EQ(settings.customCount, 1);
    EXPECT_EQ(settings.arrage, 30);
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(1)));
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"30."}));
    desktop.events.clear();
    Restore(1);
    EXPECT_TRUE(desktop.moves.empty());

    desktop.readerOpens = false;
    Save(L"无");
    EXPECT_EQ(settings.customCount, 2) << "the shell cannot be read: counted, nothing stored";
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(2)));
}

TEST_F(CustomPositionTest, KeysThatCannotBeCreatedEndTheSaveSilently) {
    registry.readOnlyRoots.insert(kRoot);
    Save(L"x");
    EXPECT_EQ(settings.customCount, 0);
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_TRUE(desktop.events.empty());
}

TEST_F(CustomPositionTest, TheSettingsRootChosenAtStartIsTheOneUsed) {
    CustomPositionContext user{desktop, {registry, RegistryRoot::kCurrentUser}, settings, prompts};
    prompts.answers = {L"u"};
    CustomPositionSaveClick(user);
    EXPECT_TRUE(registry.HasKey(RegistryRoot::kCurrentUser, Layout(1)));
    EXPECT_FALSE(registry.HasKey(RegistryRoot::kLocalMachine, kPositions));
    EXPECT_EQ(Entries(user.store).size(), 1u);
    EXPECT_TRUE(Entries().empty());
}

// Refuses writes after a number of them, as a registry that fills up would.
class FillingRegistry : public FakeRegistry {
  public:
    int writesLeft = 0;
    void WriteInteger(RegistryRoot root, const std::wstring& path, const std::wstring& name,
                      std::int32_t value) override {
        if (writesLeft-- <= 0) {
            throw FailedToSetData(name);
        }
        FakeRegistry::WriteInteger(root, path, name, value);
    }
};

TEST_F(CustomPositionTest, AFailedWriteEndsTheSaveAndClosesTheReader) {
    FillingRegistry filling;
    filling.writesLeft = 5;  // the layout's size, icon 0 whole, icon 1 without its y
    CustomPositionContext full{desktop, {filling, kRoot}, settings, prompts};
    prompts.answers = {L"满"};
    CustomPositionSaveClick(full);
    EXPECT_EQ(settings.customCount, 1);
    EXPECT_TRUE(filling.HasKey(kRoot, Item(1, 1)));
    EXPECT_EQ(filling.Find(kRoot, Item(1, 1), L"IconPos.Y"), nullptr);
    EXPECT_FALSE(filling.HasKey(kRoot, Item(1, 2)));
    EXPECT_EQ(desktop.openReaders, 0);
    EXPECT_EQ(desktop.events.back(), "close");
}

TEST_F(CustomPositionTest, SavingOverLeftOverEntriesKeepsThem) {
    StoreLayout(1, L"old", {{9, L"Stale", 1, 2}});
    Save(L"new");  // a count that lagged behind the keys
    EXPECT_EQ(Name(1), L"new");
    EXPECT_TRUE(registry.HasKey(kRoot, Item(1, 9)));
}

TEST_F(CustomPositionTest, RestoreMatchesCaptionsExactlyAndLeavesTheRestInPlace) {
    StoreLayout(1, L"L",
                {{0, L"Recycle Bin", 1, 2}, {1, L"recycle bin", 3, 4}, {2, L"我的电脑", -1, -1}});
    MoveAllTo(500, 500);
    desktop.icons[3].caption = L"Recycle bin";  // renamed by the user
    Restore(1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{0, -1, -1}, {1, 1, 2}, {2, -1, -1}}));
    EXPECT_EQ(PackIconPosition(-1, -1), 0xFFFFFFFFu) << "(-1, -1) goes out as 0xFFFF, 0xFFFF";
    EXPECT_EQ(Positions()[3], (std::pair<int, int>{500, 500}));
}

TEST_F(CustomPositionTest, OnlyEntriesBelowTheIconCountTakePart) {
    // Entry 7 is not searched with five icons; once there are eight, it is.
    StoreLayout(1, L"L", {{7, L"Recycle Bin", 1, 2}});
    Restore(1);
    EXPECT_TRUE(desktop.moves.empty());
    desktop.icons.push_back({L"a", 0, 0});
    desktop.icons.push_back({L"b", 0, 0});
    desktop.icons.push_back({L"c", 0, 0});
    Restore(1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{1, 1, 2}}));
}

TEST_F(CustomPositionTest, ADamagedPositionEndsTheRestoreAtThatIcon) {
    StoreLayout(
        1, L"L",
        {{0, L"我的电脑", 1, 2}, {1, L"Recycle Bin", 3, 4}, {3, std::wstring(259, L'长'), 5, 6}});
    registry.PutString(kRoot, Item(1, 1), L"IconPos.X", L"3");
    Restore(1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{0, 1, 2}})) << "icon 0 stays moved, 2 and 3 wait";
    EXPECT_EQ(desktop.events.back(), "close");

    desktop.moves.clear();
    registry.PutInteger(kRoot, Item(1, 1), L"IconPos.X", 3);
    registry.DeleteValue(kRoot, Item(1, 1), L"IconPos.Y");
    Restore(1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{0, 1, 2}}));

    desktop.moves.clear();
    registry.PutBinary(kRoot, Item(1, 1), L"IconPos.Y", 8);
    Restore(1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{0, 1, 2}}));
}

TEST_F(CustomPositionTest, ANameThatIsNoStringEndsTheRestoreWhereASearchReachesIt) {
    StoreLayout(1, L"L", {{0, L"我的电脑", 1, 2}, {2, L"Recycle Bin", 3, 4}});
    registry.PutInteger(kRoot, Item(1, 1), L"IconName", 0);
    Restore(1);
    // Icon 0 matches entry 0 first; icon 1's search meets entry 1 and ends.
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{0, 1, 2}}));
}

TEST_F(CustomPositionTest, AnEntryWithoutANameMatchesAnIconWithoutACaption) {
    StoreLayout(1, L"L", {{0, L"x", 1, 2}, {1, L"", 3, 4}});
    registry.DeleteValue(kRoot, Item(1, 1), L"IconName");
    desktop.icons[4].caption = L"";
    Restore(1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{4, 3, 4}}));
}

TEST_F(CustomPositionTest, NoLayoutOrNoShellMovesNothing) {
    Restore(1);
    EXPECT_TRUE(desktop.moves.empty());
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "count"), 6)
        << "the icons are still read as the search would";
    desktop.events.clear();
    StoreLayout(1, L"L", {{0, L"我的电脑", 1, 2}});
    desktop.readerOpens = false;
    Restore(1);
    EXPECT_EQ(desktop.events, (std::vector<std::string>{"open"}));
}

TEST_F(CustomPositionTest, DeletingLayoutTwoOfFourMovesThreeAndFourDown) {
    settings.customCharacterCount = 1;
    StoreLayout(1, L"一", {{0, L"a", 1, 1}});
    StoreLayout(2, L"二", {{0, L"b", 2, 2}});
    StoreLayout(3, L"三", {{0, L"c", 3, 3}, {4, L"d", 4, 4}});
    StoreLayout(4, L"四", {{0, L"e", 5, 5}});
    settings.customCount = 4;
    settings.arrage = 34;  // layout 4
    prompts.answers = {L"32"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{L"删除排列方案成功！"}));
    EXPECT_EQ(settings.customCount, 3);
    EXPECT_EQ(settings.arrage, 33) << "the same layout under its new number";
    EXPECT_EQ(Name(1), L"一");
    EXPECT_EQ(Name(2), L"三");
    EXPECT_EQ(Name(3), L"四");
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(4)));
    EXPECT_EQ(registry.Find(kRoot, Item(2, 4), L"IconName")->text, L"d")
        << "moved with its contents";
    EXPECT_EQ(registry.Find(kRoot, Item(2, 0), L"IconName")->text, L"c")
        << "nothing of the old one";
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"31.一", L"32.三", L"33.四"}));
}

TEST_F(CustomPositionTest, DeletingTheCurrentLayoutMakesTheNumberBeforeItCurrent) {
    StoreLayout(1, L"一", {});
    StoreLayout(2, L"二", {});
    settings.customCount = 2;
    settings.arrage = 30;
    prompts.answers = {L"30"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(settings.arrage, 29) << "no custom character: the clock";

    settings.customCharacterCount = 2;
    StoreLayout(2, L"二", {});
    settings.customCount = 2;
    settings.arrage = 32;
    prompts.answers = {L"32"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(settings.arrage, 31) << "the last custom character";

    settings.customCount = 2;
    settings.arrage = 12;
    prompts.answers = {L"33"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(settings.arrage, 12);
}

TEST_F(CustomPositionTest, DeleteRefusesWhatIsNoSavedLayout) {
    prompts.answers = {};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(prompts.notices, (std::vector<std::wstring>{L"无排列方案可删除！"}));
    EXPECT_TRUE(prompts.asked.empty());

    settings.customCharacterCount = 1;
    settings.customCount = 2;
    StoreLayout(1, L"一", {});
    StoreLayout(2, L"二", {});
    for (const std::wstring text : {L"0", L"", L"30", L"33", L"2147483647"}) {
        prompts.notices.clear();
        prompts.answers = {text};
        CustomPositionDeleteClick(context);
        EXPECT_EQ(prompts.notices,
                  (std::vector<std::wstring>{L"您输入的排列方案不存在或不能删除！"}));
    }
    EXPECT_EQ(settings.customCount, 2);
    EXPECT_EQ(Name(1), L"一");
}

TEST_F(CustomPositionTest, ADigitsOnlyLoopThenCancelDeletesNothingAndSaysNothingMore) {
    settings.customCount = 1;
    StoreLayout(1, L"一", {});
    prompts.answers = {L"3a", std::nullopt};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(prompts.transcript,
              (std::vector<std::wstring>{L"ask 0", L"notice 你现在只能输入 0 ~ 9 之间的数字！",
                                         L"ask 3a"}));
    prompts.transcript.clear();
    prompts.answers = {std::nullopt};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(prompts.transcript, (std::vector<std::wstring>{L"ask 0"}));
    EXPECT_EQ(settings.customCount, 1);
    EXPECT_EQ(Name(1), L"一");
}

TEST_F(CustomPositionTest, ANumberBeyondTheRangeIsTheGeneralErrorAndDeletesNothing) {
    settings.customCount = 1;
    StoreLayout(1, L"一", {});
    prompts.answers = {L"4294967326"};
    try {
        CustomPositionDeleteClick(context);
        ADD_FAILURE() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.message(), L"'4294967326' is not a valid integer value");
    }
    EXPECT_EQ(settings.customCount, 1);
    EXPECT_EQ(Name(1), L"一");
}

TEST_F(CustomPositionTest, MissingKeysEndTheDeleteSilently) {
    settings.customCount = 1;
    prompts.answers = {L"30"};
    CustomPositionDeleteClick(context);
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_EQ(settings.customCount, 1);
}

TEST_F(CustomPositionTest, CountsThatDoNotMatchTheKeysCostNoOtherLayout) {
    // Five counted, layout 2 missing, a sixth left over beyond the count.
    StoreLayout(1, L"一", {});
    StoreLayout(3, L"三", {});
    StoreLayout(4, L"四", {});
    StoreLayout(5, L"五", {});
    StoreLayout(6, L"六", {});
    settings.customCount = 5;
    prompts.answers = {L"30"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(settings.customCount, 4);
    EXPECT_EQ(Name(1), L"<none>");
    EXPECT_EQ(Name(2), L"三");
    EXPECT_EQ(Name(3), L"四");
    EXPECT_EQ(Name(4), L"五");
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(5)));
    EXPECT_EQ(Name(6), L"六") << "beyond the count: left alone";

    // Deleting a layout whose key is already gone still closes the gap.
    prompts.answers = {L"30"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(settings.customCount, 3);
    EXPECT_EQ(Name(1), L"三");
    EXPECT_EQ(Name(2), L"四");
    EXPECT_EQ(Name(3), L"五");
    EXPECT_EQ(Name(6), L"六");
}

TEST_F(CustomPositionTest, ALayoutThatCannotGoWholeIsReportedAndNothingChanges) {
    StoreLayout(1, L"一", {{0, L"A", 1, 2}});
    StoreLayout(2, L"二", {{0, L"B", 3, 4}, {1, L"C", 5, 6}, {2, L"D", 7, 8}});
    StoreLayout(3, L"三", {{0, L"E", 9, 10}});
    settings.customCount = 3;
    settings.arrage = 32;
    // Only a later entry of layout 2 is locked.
    registry.undeletableKeys.insert(Item(2, 2));
    prompts.answers = {L"31"};
    EXPECT_EQ(ErrorOf([&] { CustomPositionDeleteClick(context); }),
              L"Failed to delete key " + Layout(2));
    EXPECT_EQ(settings.customCount, 3);
    EXPECT_EQ(settings.arrage, 32);
    EXPECT_TRUE(prompts.notices.empty());
    EXPECT_EQ(Name(2), L"二");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(registry.HasKey(kRoot, Item(2, i))) << i << ": the entries before it too";
    }
    EXPECT_EQ(Name(3), L"三") << "the layout after it keeps its number";

    // A delete that fails all the same, after every key looked deletable.
    class Stubborn : public FakeRegistry {
      public:
        bool DeleteTree(RegistryRoot, const std::wstring&) override { return false; }
    } stubborn;
    CustomPositionContext held{desktop, {stubborn, kRoot}, settings, prompts};
    stubborn.PutString(kRoot, Layout(1), L"CustomMenuName", L"一");
    stubborn.PutString(kRoot, Layout(2), L"CustomMenuName", L"二");
    settings.customCount = 2;
    prompts.answers = {L"30"};
    EXPECT_EQ(ErrorOf([&] { CustomPositionDeleteClick(held); }),
              L"Failed to delete key " + Layout(1));
    EXPECT_EQ(settings.customCount, 2);
    EXPECT_EQ(stubborn.Find(kRoot, Layout(2), L"CustomMenuName")->text, L"二");
}

// Closing the gap moves a later layout only once its copy is made: a copy
// that fails leaves it whole where it was.
TEST_F(CustomPositionTest, ALayoutWhoseMoveCannotBeCopiedStaysWhereItWas) {
    StoreLayout(1, L"一", {{0, L"A", 1, 2}});
    StoreLayout(2, L"二", {{0, L"B", 3, 4}});
    settings.customCount = 2;
    registry.uncopyableKeys.insert(Layout(2));
    prompts.answers = {L"30"};
    CustomPositionDeleteClick(context);
    EXPECT_EQ(settings.customCount, 1);
    EXPECT_FALSE(registry.HasKey(kRoot, Layout(1)));
    EXPECT_EQ(Name(2), L"二");
    const FakeRegistry::Value* x = registry.Find(kRoot, Item(2, 0), L"IconPos.X");
    ASSERT_NE(x, nullptr) << "its entries too";
    EXPECT_EQ(x->integer, 3);
}

TEST_F(CustomPositionTest, SubmenuListsEveryLayoutUnderItsNumber) {
    EXPECT_TRUE(Captions().empty()) << "no key: only the fixed items";
    StoreLayout(1, L"家", {});
    StoreLayout(2, L"工作", {});
    registry.PutString(kRoot, Layout(4), L"CustomMenuName", L"");
    settings.customCount = 4;
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"30.家", L"31.工作", L"32.", L"33."}));
    settings.customCharacterCount = 3;
    const std::vector<CustomMenuEntry> entries = Entries();
    EXPECT_EQ(entries[1].caption, L"34.工作");
    EXPECT_EQ(entries[1].name, L"CustomPosition34");
    EXPECT_EQ(entries[1].tag, 34);
    EXPECT_EQ(entries[1].image, 38);
    EXPECT_EQ(entries[1].command, std::optional<std::uint16_t>(1034));
    settings.customCount = -1;
    EXPECT_TRUE(Captions().empty());
    settings.customCount = 31;
    const std::vector<CustomMenuEntry> many = Entries();
    ASSERT_EQ(many.size(), 31u);
    EXPECT_TRUE(many[9].startsColumn);
    EXPECT_TRUE(many[20].startsColumn);
}

TEST_F(CustomPositionTest, ADamagedNameEndsTheSubmenuAtItsEntryWithOneError) {
    StoreLayout(1, L"家", {});
    registry.PutInteger(kRoot, Layout(2), L"CustomMenuName", 3);
    registry.PutInteger(kRoot, Layout(3), L"CustomMenuName", 4);
    settings.customCount = 3;
    std::vector<CustomMenuEntry> entries;
    EXPECT_EQ(ErrorOf([&] { CustomPositionClick(context.store, settings, entries); }),
              L"Invalid data type for 'CustomMenuName'");
    ASSERT_EQ(entries.size(), 1u) << "the entries before it";
    EXPECT_EQ(entries[0].caption, L"30.家");
}

TEST_F(CustomPositionTest, SubmenuReflectsADeleteFollowedByASave) {
    // The entries are compared whole, so the same count with new names still
    // shows the new names.
    Save(L"A");
    Save(L"B");
    const std::vector<CustomMenuEntry> before = Entries();
    prompts.answers = {L"30"};
    CustomPositionDeleteClick(context);
    Save(L"C");
    const std::vector<CustomMenuEntry> after = Entries();
    EXPECT_EQ(after.size(), before.size());
    EXPECT_NE(after, before);
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"30.B", L"31.C"}));
}

// The dispatcher with the restore behind its saved-layout step and the
// texts behind its custom-character step.
class LayoutHost : public testing::QuietHost {
  public:
    LayoutHost(DesktopAccess& desktop, const CustomStore& store)
        : desktop_(desktop), store_(store) {}
    void RestoreSavedLayout(std::int32_t k) override {
        RestoreIconLayout(desktop_, store_, LayoutKeyPath(k));
    }
    void DrawCustomCharacter(std::int32_t k) override {
        if (const std::optional<std::wstring> text =
                ReadCustomCharacter(store_.registry, store_.root, k)) {
            drawn.push_back(*text);
        }
    }
    std::vector<std::wstring> drawn;

  private:
    DesktopAccess& desktop_;
    const CustomStore& store_;
};

TEST_F(CustomPositionTest, ACustomCharacterSavedBeforeTheLayoutsShiftsTheirNumbers) {
    Save(L"一");
    desktop.icons[0].x = 111;
    Save(L"二");
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"30.一", L"31.二"}));
    LayoutHost host(desktop, context.store);
    Dispatcher dispatcher(desktop, settings, host);

    std::vector<std::wstring> drawn;
    CustomCharacterContext characters{
        context.store, settings, prompts,
        [&drawn](const std::wstring& text) { drawn.push_back(text); }};
    prompts.answers = {L"字"};
    CustomCharacterSaveClick(characters);
    EXPECT_EQ(settings.arrage, 30);
    EXPECT_EQ(Captions(), (std::vector<std::wstring>{L"31.一", L"32.二"}));

    MoveAllTo(600, 600);
    desktop.moves.clear();
    dispatcher.ChooseArrangement(32);
    EXPECT_EQ(Positions()[0], (std::pair<int, int>{111, 20})) << "layout 2 under its new number";
    dispatcher.ChooseArrangement(31);
    EXPECT_EQ(Positions()[0], (std::pair<int, int>{10, 20}));
    dispatcher.ChooseArrangement(30);
    EXPECT_EQ(host.drawn, (std::vector<std::wstring>{L"字"}));
}

}  // namespace
}  // namespace tavrel
