#include "desktop/desktop.h"

#include <gtest/gtest.h>

#include "support/recording_desktop.h"

namespace tavrel {
namespace {

TEST(IconPosition, PacksTheLow16BitsOfEachCoordinate) {
    EXPECT_EQ(PackIconPosition(22, 2), 0x0002'0016u);
    EXPECT_EQ(PackIconPosition(70000, 0) & 0xFFFFu, 4464u);
    EXPECT_EQ(PackIconPosition(-1, -1), 0xFFFF'FFFFu);
    EXPECT_EQ(PackIconPosition(5, -10), 0xFFF6'0005u);
}

TEST(ApplyIconTextColors, SetsBothColoursThenRedrawsEveryIcon) {
    testing::RecordingDesktop desktop(40, 1024, 738);
    ApplyIconTextColors(desktop, 255, kClrNone);
    EXPECT_EQ(desktop.events, (std::vector<std::string>{"text 255", "back 4294967295", "redraw 0 39"}));
}

TEST(ApplyIconTextColors, WithoutIconsRedrawsTheEmptyRange) {
    testing::RecordingDesktop desktop(0, 1024, 738);
    desktop.RemoveShell();
    ApplyIconTextColors(desktop, Rgb(0, 0, 255), kClrNone);
    EXPECT_EQ(desktop.events.back(), "redraw 0 -1");
}

}  // namespace
}  // namespace tavrel
