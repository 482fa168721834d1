// Text rendered by GDI and drawn with the stand-in desktop's icons, in the
// Chinese locale the program is made for.
#include "textlayouts/icon_text_win.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "desktop/desktop_win.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;

int InkInGrid(const InkBitmap& ink, std::int64_t bytes) {
    int count = 0;
    for (int row = 0; row < kInkRows; ++row) {
        for (std::int64_t column = 0; column <= 8 * bytes; ++column) {
            count += ink.At(column, row) ? 1 : 0;
        }
    }
    return count;
}

TEST(TextRendering, CountsBytesInCodePage936) {
    EXPECT_EQ(Cp936ByteLength(L""), 0);
    EXPECT_EQ(Cp936ByteLength(L"10:23"), 5);
    EXPECT_EQ(Cp936ByteLength(L"中国"), 4);
    EXPECT_EQ(Cp936ByteLength(L"a中b"), 4);
}

// The request must map to a crisp face: an anti-aliased one leaves almost
// no exactly black pixels, and the clock would silently draw nothing.
TEST(TextRendering, DigitsAndChineseComeOutInk) {
    for (const wchar_t* text : {L"10:23", L"9:05", L"中国"}) {
        const InkBitmap ink = RenderTextInk(text);
        const int inGrid = InkInGrid(ink, Cp936ByteLength(text));
        EXPECT_GE(inGrid, 25) << "too little ink for a legible text; is the CJK font installed?";
        EXPECT_EQ(inGrid, ink.CountInk()) << "the text fits the examined rows and columns";
    }
    EXPECT_EQ(RenderTextInk(L"").CountInk(), 0);
}

// A font whose strokes go missing at this size would still leave ink, but
// no legible character: the middle stroke of 中 runs down the whole glyph.
TEST(TextRendering, ChineseStrokesSurvive) {
    const InkBitmap ink = RenderTextInk(L"中");
    int tallest = 0;
    for (int column = 0; column < 16; ++column) {
        int height = 0;
        for (int row = 0; row < kInkRows; ++row) {
            height += ink.At(column, row) ? 1 : 0;
        }
        tallest = std::max(tallest, height);
    }
    EXPECT_GE(tallest, 8);
}

TEST(TextRendering, DrawsTheDotsOnTheDesktop) {
    StandinDesktop standin(120);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    const InkBitmap ink = RenderTextInk(L"10:23");
    const int dots = InkInGrid(ink, 5);
    ASSERT_LT(dots, 120);

    DrawTextWithIcons(desktop, L"10:23");
    const auto state = standin.ReadState();
    for (int k = 0; k < 120; ++k) {
        const auto& item = state.items[static_cast<std::size_t>(k)];
        if (k < dots) {
            EXPECT_GE(item.x, 50) << k;
            EXPECT_LT(item.y, 738 - 150) << k;
        } else {
            EXPECT_EQ(item.y, 688) << k;
            EXPECT_EQ(item.x, (k - dots) * (1024 / (120 - dots))) << k;
        }
    }
}

TEST(TextRendering, EmptyTextSendsEveryIconToTheBottomRow) {
    StandinDesktop standin(8);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    DrawTextWithIcons(desktop, L"");
    const auto state = standin.ReadState();
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(state.items[static_cast<std::size_t>(k)].x, k * 128);
        EXPECT_EQ(state.items[static_cast<std::size_t>(k)].y, 688);
    }
}

TEST(DigitalClock, InjectedTimeDrawsTheSameAsItsText) {
    StandinDesktop standin(150);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    DrawTextWithIcons(desktop, L"9:05");
    const auto expected = standin.ReadState();
    ShowDigitalClock(desktop, {10, 23, 0}, {L"H:mm:ss", L"上午", L"下午"});
    ShowDigitalClock(desktop, {9, 5, 59}, {L"H:mm:ss", L"上午", L"下午"});
    const auto drawn = standin.ReadState();
    for (std::size_t k = 0; k < expected.items.size(); ++k) {
        EXPECT_EQ(drawn.items[k].x, expected.items[k].x) << k;
        EXPECT_EQ(drawn.items[k].y, expected.items[k].y) << k;
    }
}

TEST(DigitalClock, ANewMinuteRedrawsTheIcons) {
    StandinDesktop standin(150);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    ShowDigitalClock(desktop, {10, 23, 0}, {L"H:mm:ss", L"AM", L"PM"});
    const auto before = standin.ReadState();
    ShowDigitalClock(desktop, {10, 24, 0}, {L"H:mm:ss", L"AM", L"PM"});
    const auto after = standin.ReadState();
    int moved = 0;
    for (std::size_t k = 0; k < before.items.size(); ++k) {
        moved += (before.items[k].x != after.items[k].x || before.items[k].y != after.items[k].y)
                     ? 1
                     : 0;
    }
    EXPECT_GT(moved, 0);
}

TEST(DigitalClock, SystemFormatIsReadable) {
    const ClockFormat format = SystemClockFormat();
    EXPECT_NE(format.longTime.find(L'm'), std::wstring::npos);
}

}  // namespace
}  // namespace tavrel
