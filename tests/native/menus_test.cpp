#include "core/menus.h"

#include <gtest/gtest.h>

#include "core/commands.h"
#include "app/tray_animation.h"

namespace tavrel {
namespace {

TEST(TrayAnimation, EachPictureStaysHalfASecondPerStepThenTheFirstTenSeconds) {
    EXPECT_EQ(NextAnimationStep(0, 57).frame, 1) << "the first tick shows picture 1";
    EXPECT_EQ(NextAnimationStep(0, 57).nextIntervalMs, 500u);
    EXPECT_EQ(NextAnimationStep(55, 57).frame, 56);
    EXPECT_EQ(NextAnimationStep(55, 57).nextIntervalMs, 28000u);
    EXPECT_EQ(NextAnimationStep(56, 57).frame, 0);
    EXPECT_EQ(NextAnimationStep(56, 57).nextIntervalMs, 10000u);
}

TEST(TrayAnimation, AWholeCycleShowsEveryPictureAndLasts808Seconds) {
    std::int32_t frame = 0;
    std::uint64_t total = 0;
    std::vector<int> shown(57, 0);
    for (int tick = 0; tick < 57; ++tick) {
        const AnimationStep step = NextAnimationStep(frame, 57);
        frame = step.frame;
        ++shown[static_cast<std::size_t>(frame)];
        total += step.nextIntervalMs;
    }
    EXPECT_EQ(frame, 0);
    EXPECT_EQ(total, 808'000u);
    EXPECT_EQ(std::count(shown.begin(), shown.end(), 1), 57);
}

struct Flat {
    MenuEntryKind kind;
    std::wstring caption;
    int depth;
};

std::vector<Flat> Flatten(const std::vector<MenuEntry>& entries) {
    std::vector<Flat> flat;
    int depth = 0;
    for (const MenuEntry& entry : entries) {
        if (entry.kind == MenuEntryKind::kEnd) {
            --depth;
            continue;
        }
        flat.push_back({entry.kind, entry.caption, depth});
        if (entry.kind == MenuEntryKind::kSubmenu) {
            ++depth;
        }
    }
    EXPECT_EQ(depth, 0) << "every submenu is closed";
    return flat;
}

TEST(MenuTables, ArrangementItemsCarryTheirNumber) {
    int arrangements = 0;
    for (const MenuEntry& entry : MainMenuEntries()) {
        if (entry.tag != 0) {
            ++arrangements;
            EXPECT_EQ(entry.image, entry.tag);
            EXPECT_EQ(entry.command, ArrangementCommand(entry.tag));
        }
    }
    EXPECT_EQ(arrangements, 29);
}

TEST(MenuTables, ShowHideAndAutoRunCaptionsNameWhatAClickDoes) {
    EXPECT_STREQ(ShowHideCaption(0), L"显示图标");
    EXPECT_STREQ(ShowHideCaption(1), L"隐藏图标");
    EXPECT_STREQ(ShowHideCaption(-3), L"隐藏图标");
    EXPECT_STREQ(AutoRunCaption(false), L"系统启动时自动运行");
    EXPECT_STREQ(AutoRunCaption(true), L"取消自动运行功能");
}

TEST(Notices, TheSelfArrangingBalloonNamesBothOptionsAndFitsTheBalloon) {
    const std::wstring text = kSelfArrangingNoticeText;
    EXPECT_NE(text.find(L"“自动排列图标”"), std::wstring::npos);
    EXPECT_NE(text.find(L"“将图标与网格对齐”"), std::wstring::npos);
    EXPECT_NE(text.find(L"“查看”"), std::wstring::npos);
    EXPECT_LT(text.size(), 256u) << "a notification's text holds 255 characters";
}

TEST(MenuTables, SystemMenuEndsWithASeparatorAfterExit) {
    const std::vector<Flat> flat = Flatten(SystemMenuEntries());
    ASSERT_GE(flat.size(), 2u);
    EXPECT_EQ(flat.back().kind, MenuEntryKind::kSeparator);
    EXPECT_EQ(flat[flat.size() - 2].caption, L"退出系统");
}

}  // namespace
}  // namespace tavrel
