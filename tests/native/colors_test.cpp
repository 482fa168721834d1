#include "styling/colors.h"

#include <gtest/gtest.h>

#include "support/fake_color_device.h"

namespace tavrel {
namespace {

using testing::FakeColorDevice;

TEST(Colors, SystemColorReferencesAreResolvedOthersKept) {
    FakeColorDevice device;
    EXPECT_EQ(ResolveColor(device, 0x8000000F), 0xC8D0D4u) << "COLOR_BTNFACE";
    EXPECT_EQ(ResolveColor(device, 0x80000001), 0xA56E3Au) << "COLOR_BACKGROUND";
    EXPECT_EQ(ResolveColor(device, 0x0082FF), 0x0082FFu);
    EXPECT_EQ(device.systemLookups, 2);
    EXPECT_TRUE(IsSystemColorRef(0x80000007));
    EXPECT_FALSE(IsSystemColorRef(0x00C08000));
    EXPECT_EQ(SystemColorRef(SysColor::kHighlight), 0x8000000Du);
}

TEST(Colors, HighColourMeansMoreThanFifteenBits) {
    FakeColorDevice sixteen(16);
    FakeColorDevice fifteen(15);
    FakeColorDevice eight(8);
    EXPECT_TRUE(IsHighColor(sixteen));
    EXPECT_FALSE(IsHighColor(fifteen));
    EXPECT_FALSE(IsHighColor(eight));
}

TEST(Colors, LightenMovesEachChannelTowardWhite) {
    FakeColorDevice device;
    // COLOR_BTNFACE RGB(212, 208, 200), 86 %:
    //   red   212 + Round(43 * 0.86 = 36.98) = 212 + 37 = 249
    //   green 208 + Round(47 * 0.86 = 40.42) = 208 + 40 = 248
    //   blue  200 + Round(55 * 0.86 = 47.30) = 200 + 47 = 247
    EXPECT_EQ(Lighten(device, kClBtnFace, 86), Rgb(249, 248, 247));
    // 16 %: 43 * .16 = 6.88 -> 7, 47 * .16 = 7.52 -> 8, 55 * .16 = 8.8 -> 9.
    EXPECT_EQ(Lighten(device, kClBtnFace, 16), Rgb(219, 216, 209));
    // COLOR_HIGHLIGHT RGB(10, 36, 106), 68 %:
    //   10 + Round(245 * .68 = 166.6) = 177; 36 + Round(219 * .68 = 148.92) = 185;
    //   106 + Round(149 * .68 = 101.32) = 207.
    EXPECT_EQ(Lighten(device, kClHighlight, 68), Rgb(177, 185, 207));
    // RGB(0, 102, 0), 1 %: 2.55 -> 3, 153 * .01 = 1.53 -> 2, 2.55 -> 3.
    EXPECT_EQ(Lighten(device, Rgb(0, 102, 0), 1), Rgb(3, 104, 3));
    EXPECT_EQ(Lighten(device, Rgb(10, 20, 30), 0), Rgb(10, 20, 30));
}

TEST(Colors, LightenRoundsHalvesToTheEvenNeighbour) {
    FakeColorDevice device;
    // red 2: 253 * .5 = 126.5 -> 126; green 0: 127.5 -> 128; blue 1: 127 exactly.
    EXPECT_EQ(Lighten(device, Rgb(2, 0, 1), 50), Rgb(128, 128, 128));
    // COLOR_HIGHLIGHT at 50 %: 122.5 -> 122, 109.5 -> 110, 74.5 -> 74.
    EXPECT_EQ(Lighten(device, kClHighlight, 50), Rgb(132, 146, 180));
    // Black at 30 %: 76.5 -> 76.
    EXPECT_EQ(Lighten(device, kBlack, 30), Rgb(76, 76, 76));
}

TEST(Colors, LightenIsCappedAtWhiteAndEndsOnTheDevicesNearestColour) {
    FakeColorDevice device;
    EXPECT_EQ(Lighten(device, Rgb(1, 2, 3), 100), kWhite);
    EXPECT_EQ(Lighten(device, Rgb(1, 2, 3), 150), kWhite) << "capped at 100";
    EXPECT_EQ(Lighten(device, Rgb(1, 2, 3), 2147483647), kWhite);
    EXPECT_EQ(device.nearestCalls, 3);
    // A negative percentage never leaves the channel range.
    EXPECT_EQ(Lighten(device, Rgb(10, 200, 0), -2147483647 - 1), Rgb(0, 0, 0));

    FakeColorDevice coarse(8, true);
    // RGB(212, 208, 200) at 16 % is RGB(219, 216, 209), shown as white.
    EXPECT_EQ(Lighten(coarse, kClBtnFace, 16), kWhite);
    // RGB(0, 102, 0) at 1 % is RGB(3, 104, 3), shown as RGB(0, 128, 0).
    EXPECT_EQ(Lighten(coarse, Rgb(0, 102, 0), 1), Rgb(0, 128, 0));
}

TEST(Colors, DarkenTakesFromEachChannelButTwoLessFromGreen) {
    FakeColorDevice coarse(8, true);
    // RGB(212, 208, 200), 90: 122, 208 - 90 + 2 = 120, 110. Not mapped to
    // the device's colours.
    EXPECT_EQ(Darken(coarse, kClBtnFace, 90), Rgb(122, 120, 110));
    EXPECT_EQ(coarse.nearestCalls, 0);
    FakeColorDevice device;
    EXPECT_EQ(Darken(device, kClBtnFace, 76), Rgb(136, 134, 124));
    // Clamped at 0: 10 - 50, 36 - 50 + 2 = -12, 106 - 50 = 56.
    EXPECT_EQ(Darken(device, kClHighlight, 50), Rgb(0, 0, 56));
    // A negative amount brightens, clamped at 255: 0 + 40, 0 + 40 + 2, 0 + 40.
    EXPECT_EQ(Darken(device, kBlack, -40), Rgb(40, 42, 40));
    EXPECT_EQ(Darken(device, Rgb(250, 250, 250), -40), kWhite);
    // Green alone gains 2 with nothing taken.
    EXPECT_EQ(Darken(device, Rgb(100, 100, 100), 0), Rgb(100, 102, 100));
    EXPECT_EQ(Darken(device, Rgb(100, 255, 100), 0), Rgb(100, 255, 100));
    // Extreme amounts stay defined.
    EXPECT_EQ(Darken(device, kWhite, 2147483647), kBlack);
    EXPECT_EQ(Darken(device, kBlack, -2147483647 - 1), kWhite);
}

}  // namespace
}  // namespace tavrel
