#include "textlayouts/icon_text.h"

#include <gtest/gtest.h>

#include "support/figure_fixture.h"

namespace tavrel {
namespace {

using testing::RecordingDesktop;

testing::FigureRun PlaceDots(const InkBitmap& ink, std::int64_t bytes, std::int32_t icons) {
    RecordingDesktop desktop(icons, 1024, 738);
    PlaceTextDots(desktop, ink, bytes);
    return {desktop.moves, desktop.events};
}

// 45 ink pixels reaching to column 30 and row 10: cols = 31, rows = 11,
// cellW = 924 / 31 = 29, cellH = 538 / 11 = 48.
InkBitmap WorkedExampleInk() {
    InkBitmap ink;
    ink.Set(4, 2, true);
    ink.Set(30, 10, true);
    for (int column = 0; column < 43; ++column) {
        ink.Set(column % 20, 5 + column / 20, true);  // rows 5 to 7
    }
    return ink;
}

TEST(TextDots, WorkedExample) {
    const InkBitmap ink = WorkedExampleInk();
    ASSERT_EQ(ink.CountInk(), 45);
    const auto run = PlaceDots(ink, 5, 60);
    ASSERT_EQ(run.moves.size(), 60u);
    // Raster order: the dot at column 4, row 2 is the first one.
    EXPECT_EQ(run.At(0), testing::Place(50 + 4 * 29, 50 + 2 * 48));
    EXPECT_EQ(run.At(0), testing::Place(166, 146));
    EXPECT_EQ(run.At(44), testing::Place(50 + 30 * 29, 50 + 10 * 48));
    // 15 icons left over: along the bottom, 1024 / 15 = 68 apart.
    for (std::int32_t k = 45; k < 60; ++k) {
        EXPECT_EQ(run.At(k), testing::Place((k - 45) * 68, 688)) << k;
    }
}

TEST(TextDots, NoInkSendsEveryIconToTheBottomRow) {
    const auto run = PlaceDots(InkBitmap{}, 0, 4);
    ASSERT_EQ(run.moves.size(), 4u);
    for (std::int32_t k = 0; k < 4; ++k) {
        EXPECT_EQ(run.At(k), testing::Place(k * 256, 688));
    }
}

TEST(TextDots, InkBeyondTheExaminedColumnsIsIgnored) {
    InkBitmap ink;
    ink.Set(8, 0, true);   // column 8 = 8 x 1: examined for a one-byte text
    ink.Set(9, 0, true);   // beyond it
    ink.Set(3, 13, true);  // row 13: below the examined rows
    const auto run = PlaceDots(ink, 1, 3);
    // One dot: cols = 9, rows = 1.
    EXPECT_EQ(run.At(0), testing::Place(50 + 8 * (924 / 9), 50));
    EXPECT_EQ(run.At(1), testing::Place(0, 688));
    EXPECT_EQ(run.At(2), testing::Place(512, 688));
}

TEST(TextDots, WideTextIsCutAtTheBitmapsEdge) {
    InkBitmap ink;
    ink.Set(99, 0, true);
    ink.Set(100, 0, true);  // outside the bitmap: never set
    const auto run = PlaceDots(ink, 40, 1);
    EXPECT_EQ(run.At(0), testing::Place(50 + 99 * (924 / 100), 50));
}

TEST(TextDots, BlankColumnsAndRowsBeforeTheInkStillCount) {
    InkBitmap ink;
    ink.Set(10, 4, true);
    const auto run = PlaceDots(ink, 2, 1);
    // cols = 11, rows = 5: the single dot lands at the far cell, not at the
    // margin.
    EXPECT_EQ(run.At(0), testing::Place(50 + 10 * (924 / 11), 50 + 4 * (538 / 5)));
}

TEST(TextDots, MoreDotsThanIconsDropTheLowerRows) {
    InkBitmap ink;
    for (int column = 0; column < 5; ++column) {
        ink.Set(column, 0, true);
        ink.Set(column, 1, true);
    }
    const auto run = PlaceDots(ink, 1, 3);
    ASSERT_EQ(run.moves.size(), 3u) << "no message for dots without an icon";
    for (const auto& move : run.moves) {
        EXPECT_EQ(move.y, 50);
    }
}

TEST(TextDots, WithoutADesktopNothingMoves) {
    RecordingDesktop desktop(30, 1024, 738);
    desktop.RemoveShell();
    PlaceTextDots(desktop, WorkedExampleInk(), 5);
    EXPECT_TRUE(desktop.moves.empty());
}

TEST(ClockText, HourWithoutLeadingZeroGivesFourOrFiveCharacters) {
    EXPECT_EQ(FormatClockText({9, 5, 7}, L"H:mm:ss", L"上午", L"下午"), L"9:05");
    EXPECT_EQ(FormatClockText({9, 59, 59}, L"H:mm:ss", L"上午", L"下午"), L"9:59");
    EXPECT_EQ(FormatClockText({10, 0, 0}, L"H:mm:ss", L"上午", L"下午"), L"10:00");
    EXPECT_EQ(FormatClockText({10, 23, 45}, L"H:mm:ss", L"上午", L"下午"), L"10:23");
    EXPECT_EQ(FormatClockText({0, 7, 0}, L"H:mm:ss", L"上午", L"下午"), L"0:07");
}

TEST(ClockText, LeadingZeroFormatsKeepTheMinutes) {
    EXPECT_EQ(FormatClockText({5, 37, 12}, L"HH:mm:ss", L"AM", L"PM"), L"05:37");
    EXPECT_EQ(FormatClockText({17, 37, 12}, L"HH.mm.ss", L"AM", L"PM"), L"17.37");
}

TEST(ClockText, TwelveHourFormats) {
    EXPECT_EQ(FormatClockText({17, 37, 12}, L"tt h:mm:ss", L"上午", L"下午"), L"下午 5:37");
    EXPECT_EQ(FormatClockText({0, 5, 0}, L"tt hh:mm:ss", L"上午", L"下午"), L"上午 12:05");
    // A marker after the seconds goes with them.
    EXPECT_EQ(FormatClockText({17, 37, 12}, L"h:mm:ss tt", L"AM", L"PM"), L"5:37");
    EXPECT_EQ(FormatClockText({12, 1, 0}, L"t h:mm", L"AM", L"PM"), L"P 12:01");
}

TEST(ClockText, QuotedTextIsCopied) {
    EXPECT_EQ(FormatClockText({8, 9, 10}, L"H'h'mm'm'ss", L"", L""), L"8h09");
}

}  // namespace
}  // namespace tavrel
