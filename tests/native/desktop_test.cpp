#include "desktop/desktop.h"

#include <cstdint>
#include <limits>
#include <vector>

#include "desktop/item_record.h"

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
    EXPECT_EQ(desktop.events,
              (std::vector<std::string>{"text 255", "back 4294967295", "redraw 0 39"}));
}

TEST(ApplyIconTextColors, WithoutIconsRedrawsTheEmptyRange) {
    testing::RecordingDesktop desktop(0, 1024, 738);
    desktop.RemoveShell();
    ApplyIconTextColors(desktop, Rgb(0, 0, 255), kClrNone);
    EXPECT_EQ(desktop.events.back(), "redraw 0 -1");
}

TEST(ScaleCoordinate, RoundsToTheNearestWithTiesToEven) {
    // 150 %: 1.5 -> 2, 4.5 -> 4, 7.5 -> 8; the same mirrored below zero.
    EXPECT_EQ(ScaleCoordinate(1, 3, 2), 2);
    EXPECT_EQ(ScaleCoordinate(3, 3, 2), 4);
    EXPECT_EQ(ScaleCoordinate(5, 3, 2), 8);
    EXPECT_EQ(ScaleCoordinate(-1, 3, 2), -2);
    EXPECT_EQ(ScaleCoordinate(-3, 3, 2), -4);
    EXPECT_EQ(ScaleCoordinate(693, 1920, 1280), 1040);  // 1039.5
    EXPECT_EQ(ScaleCoordinate(7, 5, 4), 9);             // 8.75
    EXPECT_EQ(ScaleCoordinate(-7, 5, 4), -9);
    EXPECT_EQ(ScaleCoordinate(9, 5, 4), 11);  // 11.25
    EXPECT_EQ(ScaleCoordinate(0, 3, 2), 0);
}

TEST(ScaleCoordinate, OddRatiosAndLimitsStayDefined) {
    EXPECT_EQ(ScaleCoordinate(40, 0, 5), 40);
    EXPECT_EQ(ScaleCoordinate(40, 5, 0), 40);
    EXPECT_EQ(ScaleCoordinate(40, -3, 2), 40);
    EXPECT_EQ(ScaleCoordinate(40, 3, -2), 40);
    // The exact result, cut to 32 bits like every other overflowing value.
    EXPECT_EQ(ScaleCoordinate(std::numeric_limits<std::int32_t>::max(), 2, 1), -2);
    EXPECT_EQ(ScaleCoordinate(std::numeric_limits<std::int32_t>::min(), 3, 2),
              static_cast<std::int32_t>(std::int64_t{-3221225472} + 4294967296));
}

void ExpectRect(const WorkAreaRect& got, const WorkAreaRect& want) {
    EXPECT_EQ(got.left, want.left);
    EXPECT_EQ(got.top, want.top);
    EXPECT_EQ(got.right, want.right);
    EXPECT_EQ(got.bottom, want.bottom);
}

TEST(ScaleToPhysical, TakesAScaledWorkAreaBackToThePhysicalScreen) {
    // 1920 x 1080 with a 40-pixel taskbar, seen by a program the system
    // scales: at 150 % the work area reads 1280 x 693, at 125 % 1536 x 832,
    // at 200 % 1920 x 1040.
    SCOPED_TRACE("150 %");
    ExpectRect(ScaleToPhysical({0, 0, 1280, 693}, {1920, 1080, 1280, 720}), {0, 0, 1920, 1040});
    SCOPED_TRACE("125 %");
    ExpectRect(ScaleToPhysical({0, 0, 1536, 832}, {1920, 1080, 1536, 864}), {0, 0, 1920, 1040});
    SCOPED_TRACE("200 %");
    ExpectRect(ScaleToPhysical({0, 0, 1920, 1040}, {3840, 2160, 1920, 1080}), {0, 0, 3840, 2080});
    SCOPED_TRACE("taskbar on the left, 60 physical pixels wide, at 150 %");
    ExpectRect(ScaleToPhysical({40, 0, 1280, 720}, {1920, 1080, 1280, 720}), {60, 0, 1920, 1080});
    // 1366 x 768 at 125 % is 1092.8 x 614.4 logically: the two ratios differ
    // by the rounding of the logical size, and each axis keeps its own.
    SCOPED_TRACE("1366 x 768 at 125 %");
    ExpectRect(ScaleToPhysical({0, 0, 1093, 582}, {1366, 768, 1093, 614}), {0, 0, 1366, 728});
}

TEST(ScaleToPhysical, LeavesTheWorkAreaWhenTheSizesDoNotDescribeScaling) {
    const WorkAreaRect area{0, 0, 1024, 738};
    SCOPED_TRACE("not scaled");
    ExpectRect(ScaleToPhysical(area, {1024, 738, 1024, 738}), area);
    SCOPED_TRACE("two screens side by side, scaled: the axes disagree");
    ExpectRect(ScaleToPhysical(area, {3840, 1080, 1280, 720}), area);
    SCOPED_TRACE("one axis larger only");
    ExpectRect(ScaleToPhysical(area, {2048, 738, 1024, 738}), area);
    SCOPED_TRACE("physically smaller");
    ExpectRect(ScaleToPhysical(area, {800, 600, 1024, 768}), area);
    SCOPED_TRACE("sizes missing");
    ExpectRect(ScaleToPhysical(area, {}), area);
    ExpectRect(ScaleToPhysical(area, {1920, 1080, 0, 720}), area);
    ExpectRect(ScaleToPhysical(area, {1920, 1080, -1280, -720}), area);
}

TEST(ItemRecordLayout, FollowsThePublishedItemRecordOfEachWordSize) {
    constexpr ItemRecordLayout k32 = ItemRecordLayoutFor(WordSize::k32);
    EXPECT_EQ(k32.textOffset, 20u);
    EXPECT_EQ(k32.textSize, 4u);
    EXPECT_EQ(k32.textMaxOffset, 24u);
    EXPECT_EQ(k32.recordSize, 40u);
    EXPECT_EQ(k32.captionOffset, 40u);
    EXPECT_EQ(k32.blockSize, 40u + 261u * 2u);
    constexpr ItemRecordLayout k64 = ItemRecordLayoutFor(WordSize::k64);
    EXPECT_EQ(k64.textOffset, 24u);
    EXPECT_EQ(k64.textSize, 8u);
    EXPECT_EQ(k64.textMaxOffset, 32u);
    EXPECT_EQ(k64.recordSize, 56u);
    EXPECT_EQ(k64.captionOffset, 56u);
    EXPECT_EQ(k64.blockSize, 56u + 261u * 2u);
}

TEST(ItemRecord, WritesTheRequestInTheShellsLayout) {
    {
        SCOPED_TRACE("32-bit");
        const ItemRecordLayout layout = ItemRecordLayoutFor(WordSize::k32);
        std::vector<std::uint8_t> block(layout.blockSize, 0xAA);
        WriteItemRecord(block, layout, 7, 0x0012'0000);
        const std::vector<std::uint8_t> record(block.begin(), block.begin() + 40);
        const std::vector<std::uint8_t> expected = {
            0x01, 0,    0, 0, 0x07, 0, 0, 0, 0,    0,    0,    0,
            0,    0,    0, 0, 0,    0, 0, 0, 0x28, 0x00, 0x12, 0x00,  // pszText = block + 40
            0x04, 0x01, 0, 0,                                         // cchTextMax = 260
            0,    0,    0, 0, 0,    0, 0, 0, 0,    0,    0,    0};
        EXPECT_EQ(record, expected);
        EXPECT_EQ(block[40], 0xAA) << "the caption area is left alone";
        EXPECT_EQ(block.back(), 0xAA);
        EXPECT_EQ(ReadTextPointer(block, layout), 0x0012'0028u);
    }
    {
        SCOPED_TRACE("64-bit");
        const ItemRecordLayout layout = ItemRecordLayoutFor(WordSize::k64);
        std::vector<std::uint8_t> block(layout.blockSize, 0xAA);
        WriteItemRecord(block, layout, -2, 0x0000'0002'1234'0000);
        const std::vector<std::uint8_t> record(block.begin(), block.begin() + 56);
        const std::vector<std::uint8_t> expected = {
            0x01, 0,    0,    0,    0xFE, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
            0,    0,    0,    0,                             // alignment before pszText
            0x38, 0x00, 0x34, 0x12, 0x02, 0x00, 0x00, 0x00,  // pszText = block + 56
            0x04, 0x01, 0,    0,                             // cchTextMax = 260
            0,    0,    0,    0,    0,    0,    0,    0,    0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(record, expected);
        EXPECT_EQ(block[56], 0xAA);
        EXPECT_EQ(ReadTextPointer(block, layout), 0x0000'0002'1234'0038u);
    }
}

TEST(ItemRecord, TellsTheTextCallbackPlaceholderOfEachWidth) {
    const ItemRecordLayout k32 = ItemRecordLayoutFor(WordSize::k32);
    const ItemRecordLayout k64 = ItemRecordLayoutFor(WordSize::k64);
    EXPECT_TRUE(IsTextCallback(0xFFFF'FFFFu, k32));
    EXPECT_FALSE(IsTextCallback(0xFFFF'FFFFu, k64));
    EXPECT_TRUE(IsTextCallback(0xFFFF'FFFF'FFFF'FFFFu, k64));
    EXPECT_FALSE(IsTextCallback(0, k32));
    EXPECT_FALSE(IsTextCallback(0x0012'0028u, k64));
}

TEST(CaptionFromBytes, EndsAtTheFirstZeroCharacterAndAtTheLimit) {
    const std::vector<std::uint8_t> latin = {0x41, 0, 0x62, 0, 0, 0, 0x63, 0};
    EXPECT_EQ(CaptionFromBytes(latin, kLongestCaption), u"Ab");
    const std::vector<std::uint8_t> chinese = {0x11, 0x62, 0x84, 0x76, 0, 0};  // 我的
    EXPECT_EQ(CaptionFromBytes(chinese, kLongestCaption), u"我的");
    EXPECT_EQ(CaptionFromBytes(std::vector<std::uint8_t>{0, 0, 0x41, 0}, kLongestCaption), u"");
    EXPECT_EQ(CaptionFromBytes(std::vector<std::uint8_t>{}, kLongestCaption), u"");
    EXPECT_EQ(CaptionFromBytes(std::vector<std::uint8_t>{0x41, 0, 0x62}, kLongestCaption), u"A")
        << "half a character at the end is dropped";
    std::vector<std::uint8_t> long300;
    for (int i = 0; i < 300; ++i) {
        long300.push_back(0x62);
        long300.push_back(0);
    }
    EXPECT_EQ(CaptionFromBytes(long300, kLongestCaption), std::u16string(259, u'b'));
    EXPECT_EQ(CaptionFromBytes(long300, 260), std::u16string(260, u'b'));
}

TEST(CaptionFromBytes, FindsOnlyAWholeTerminator) {
    EXPECT_TRUE(HoldsTerminator(std::vector<std::uint8_t>{0x41, 0, 0, 0}));
    EXPECT_FALSE(HoldsTerminator(std::vector<std::uint8_t>{0x41, 0, 0, 0x42}))
        << "two zero bytes across a character boundary";
    EXPECT_FALSE(HoldsTerminator(std::vector<std::uint8_t>{0x41, 0, 0}));
    EXPECT_FALSE(HoldsTerminator(std::vector<std::uint8_t>{}));
}

TEST(BytesInPage, StopsAtTheNextPageBoundary) {
    EXPECT_EQ(BytesInPage(0x1000, 518), 518u);
    EXPECT_EQ(BytesInPage(0x1FF0, 518), 16u);
    EXPECT_EQ(BytesInPage(0x1FFF, 10), 1u);
    EXPECT_EQ(BytesInPage(0x1000'0FFE, 518), 2u);
    EXPECT_EQ(BytesInPage(0x7FFF'FFFF'F000, 518), 518u);
    EXPECT_EQ(BytesInPage(0x1FF0, 0), 0u);
}

TEST(ItemRecord, ReadsThePointTheListViewLeftAtTheStart) {
    const std::vector<std::uint8_t> block = {0xFB, 0xFF, 0xFF, 0xFF, 0x2C, 0x01, 0, 0};
    EXPECT_EQ(ReadPointX(block), -5);
    EXPECT_EQ(ReadPointY(block), 300);
}

TEST(RecordingDesktop, AnswersTheStyleQueryOnlyWithADesktop) {
    testing::RecordingDesktop desktop(3, 1024, 738);
    desktop.SetListStyles({true, false});
    EXPECT_EQ(desktop.GetDesktopListStyles(desktop.FindDesktopListView()),
              (DesktopListStyles{true, false}));
    desktop.RemoveShell();
    EXPECT_EQ(desktop.GetDesktopListStyles(desktop.FindDesktopListView()), DesktopListStyles{});
    EXPECT_EQ(desktop.styleQueries, 2);
    EXPECT_TRUE(desktop.events.empty()) << "a query changes nothing";
}

}  // namespace
}  // namespace tavrel
