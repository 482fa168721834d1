#include "styling/balloon_hint.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tavrel {
namespace {

using D = THintDirection;

// --- The styler's settings --------------------------------------------------

TEST(HintStyler, DefaultsAndThePauseItGivesTheApplication) {
    ApplicationHints application;
    application.hintPause = 500;
    THintStyler styler(application);
    EXPECT_EQ(styler.HintDirection(), D::hdUpRight);
    EXPECT_EQ(styler.HintColor(), 0x00FFFFu) << "yellow";
    EXPECT_EQ(styler.HintShadowColor(), 0x800080u) << "RGB(128, 0, 128)";
    EXPECT_EQ(styler.HintFont().name, L"MS Sans Serif");
    EXPECT_EQ(styler.HintFont().height, 0) << "given in points";
    EXPECT_EQ(styler.HintFont().size, 12);
    EXPECT_EQ(styler.HintFont().color, 0xFF0000u) << "blue";
    EXPECT_TRUE(styler.HintFont().bold);
    EXPECT_TRUE(styler.HintFont().italic);
    EXPECT_EQ(styler.HintFont().pitch, 0) << "default pitch";
    EXPECT_EQ(styler.HintPauseTime(), 600u);
    EXPECT_FALSE(styler.OnSelectHintDirection());
    EXPECT_EQ(application.hintPause, 600u) << "creation sets the application's pause too";
}

TEST(HintStyler, OnlyADifferentPauseReachesTheApplication) {
    ApplicationHints application;
    THintStyler styler(application);
    application.hintPause = 5;  // the window's start-up sets its own timing
    styler.SetHintPauseTime(600);
    EXPECT_EQ(application.hintPause, 5u) << "the same value is not passed on";
    styler.SetHintPauseTime(1000);
    EXPECT_EQ(styler.HintPauseTime(), 1000u);
    EXPECT_EQ(application.hintPause, 1000u);
}

TEST(HintStyler, TheControlWindowsValues) {
    ApplicationHints application;
    THintStyler styler(application);
    ConfigureControlWindowHintStyler(styler);
    EXPECT_EQ(styler.HintDirection(), D::hdUpRight);
    EXPECT_EQ(styler.HintColor(), 0x80000001u) << "the system colour COLOR_BACKGROUND";
    EXPECT_EQ(styler.HintShadowColor(), 0x800080u);
    EXPECT_EQ(styler.HintFont().name, L"MS Sans Serif");
    EXPECT_EQ(styler.HintFont().height, 15);
    EXPECT_EQ(styler.HintFont().color, 0x000000u);
    EXPECT_FALSE(styler.HintFont().bold);
    EXPECT_FALSE(styler.HintFont().italic);
    EXPECT_EQ(styler.HintFont().charset, 1) << "DEFAULT_CHARSET";
    EXPECT_EQ(styler.HintPauseTime(), 1000u);
    EXPECT_EQ(application.hintPause, 1000u);
}

TEST(HintStyler, FontHeightInPixels) {
    THintFont font;  // 12 points
    EXPECT_EQ(FontCharacterHeight(font, 96), 16);
    EXPECT_EQ(FontCharacterHeight(font, 120), 20);
    font.size = 11;
    EXPECT_EQ(FontCharacterHeight(font, 96), 15) << "14.67 rounds to 15";
    font.size = 9;
    EXPECT_EQ(FontCharacterHeight(font, 96), 12);
    font.height = 15;
    EXPECT_EQ(FontCharacterHeight(font, 120), 15) << "a pixel height stands";
}

TEST(HintStyler, TheEventChoosesTheDirectionOfOneHintOnly) {
    ApplicationHints application;
    THintStyler styler(application);
    EXPECT_EQ(styler.StartDirection(42), D::hdUpRight) << "without an event";
    std::vector<std::pair<HintControl, D>> calls;
    styler.SetOnSelectHintDirection([&](HintControl control, D& direction) {
        calls.emplace_back(control, direction);
        if (control == 42) {
            direction = D::hdDownLeft;
        }
    });
    styler.SetHintDirection(D::hdUpLeft);
    EXPECT_EQ(styler.StartDirection(42), D::hdDownLeft);
    EXPECT_EQ(styler.HintDirection(), D::hdUpLeft) << "the property is put back";
    EXPECT_EQ(styler.StartDirection(7), D::hdUpLeft);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0], std::make_pair(HintControl{42}, D::hdUpLeft));
    EXPECT_EQ(calls[1], std::make_pair(HintControl{7}, D::hdUpLeft));
}

TEST(HintStyler, SystemColoursAreResolvedForPainting) {
    ApplicationHints application;
    THintStyler styler(application);
    ConfigureControlWindowHintStyler(styler);
    std::vector<std::int32_t> asked;
    const BalloonLook look = MakeBalloonLook(styler, [&](std::int32_t index) {
        asked.push_back(index);
        return ColorRef{0x123456};
    });
    EXPECT_EQ(look.hintColor, 0x123456u);
    EXPECT_EQ(look.shadowColor, 0x800080u) << "RGB(128, 0, 128) is no system colour";
    EXPECT_EQ(look.font.color, 0u);
    EXPECT_EQ(asked, std::vector<std::int32_t>{1});
    EXPECT_TRUE(IsSystemColor(0x8000001B));
    EXPECT_FALSE(IsSystemColor(0x00800080));
    EXPECT_FALSE(IsSystemColor(0xFFFFFFFF));
}

// --- Size and place ---------------------------------------------------------

TEST(BalloonSize, TheFrameworkRectAndTheGrownWindow) {
    EXPECT_EQ(FrameworkHintSize({78, 16}), (HintSize{84, 18}));
    EXPECT_EQ(GrownBalloonSize({84, 18}, D::hdUpRight), (HintSize{100, 38}));
    EXPECT_EQ(GrownBalloonSize({84, 18}, D::hdUpLeft), (HintSize{100, 38}));
    EXPECT_EQ(GrownBalloonSize({84, 18}, D::hdDownRight), (HintSize{100, 47}));
    EXPECT_EQ(GrownBalloonSize({84, 18}, D::hdDownLeft), (HintSize{100, 47}));
}

TEST(BalloonSize, ADownBalloonIsNinePixelsTaller) {
    for (const HintSize rect : {HintSize{84, 18}, HintSize{300, 61}, HintSize{0, 0}}) {
        EXPECT_EQ(GrownBalloonSize(rect, D::hdDownRight).height,
                  GrownBalloonSize(rect, D::hdUpRight).height + 9);
        EXPECT_EQ(GrownBalloonSize(rect, D::hdDownLeft).width,
                  GrownBalloonSize(rect, D::hdUpLeft).width);
    }
    // The same text placed both ways.
    const BalloonPlacement up = PlaceBalloon(D::hdUpRight, 512, 384, {84, 18}, {1024, 768});
    const BalloonPlacement down = PlaceBalloon(D::hdDownRight, 512, 384, {84, 18}, {1024, 768});
    EXPECT_EQ(down.size.height - up.size.height, 9);
}

// The text rectangle 84 x 18 gives a balloon 100 wide, 38 high above the
// pointer (hA) and 47 below it (hB), on a 1024 x 768 screen.
constexpr HintSize kText{84, 18};
constexpr HintSize kScreen{1024, 768};

BalloonPlacement Placed(D direction, std::int32_t x, std::int32_t y) {
    const bool up = IsUpDirection(direction);
    return {direction, x, y, {100, up ? 38 : 47}, true};
}

TEST(BalloonPlacement, InTheMiddleOfTheScreenEachDirectionStands) {
    // Up: bottom edge 5 above the pointer; down: top edge 15 below it.
    // Right: left edge at the pointer's x; left: the tip (6 in from the
    // right edge) at the pointer's x.
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 512, 384, kText, kScreen), Placed(D::hdUpRight, 512, 341));
    EXPECT_EQ(PlaceBalloon(D::hdUpLeft, 512, 384, kText, kScreen), Placed(D::hdUpLeft, 418, 341));
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 512, 384, kText, kScreen),
              Placed(D::hdDownRight, 512, 399));
    EXPECT_EQ(PlaceBalloon(D::hdDownLeft, 512, 384, kText, kScreen),
              Placed(D::hdDownLeft, 418, 399));
    const BalloonPlacement p = PlaceBalloon(D::hdUpRight, 512, 384, kText, kScreen);
    EXPECT_EQ(p.y + p.size.height, 384 - 5) << "the tip 5 pixels above the pointer";
    const BalloonPlacement left = PlaceBalloon(D::hdUpLeft, 512, 384, kText, kScreen);
    EXPECT_EQ(left.x + left.size.width - 6, 512);
}

TEST(BalloonPlacement, TheRightEdgeFlipsToTheLeft) {
    // p.x + wA = screen width still fits.
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 924, 384, kText, kScreen), Placed(D::hdUpRight, 924, 341));
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 925, 384, kText, kScreen), Placed(D::hdUpLeft, 831, 341));
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 925, 384, kText, kScreen),
              Placed(D::hdDownLeft, 831, 399));
}

TEST(BalloonPlacement, TheLeftEdgeFlipsToTheRight) {
    // x = p.x + 6 - wA = 0 still fits.
    EXPECT_EQ(PlaceBalloon(D::hdUpLeft, 94, 384, kText, kScreen), Placed(D::hdUpLeft, 0, 341));
    EXPECT_EQ(PlaceBalloon(D::hdUpLeft, 93, 384, kText, kScreen), Placed(D::hdUpRight, 93, 341));
    EXPECT_EQ(PlaceBalloon(D::hdDownLeft, 93, 384, kText, kScreen),
              Placed(D::hdDownRight, 93, 399));
}

TEST(BalloonPlacement, TheTopEdgeFlipsDown) {
    // y - hA = 0 (p.y = 43) still fits above.
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 512, 43, kText, kScreen), Placed(D::hdUpRight, 512, 0));
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 512, 42, kText, kScreen), Placed(D::hdDownRight, 512, 57));
    EXPECT_EQ(PlaceBalloon(D::hdUpLeft, 512, 42, kText, kScreen), Placed(D::hdDownLeft, 418, 57));
}

TEST(BalloonPlacement, TheBottomEdgeFlipsUp) {
    // y + hB = screen height (p.y = 706) still fits below.
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 512, 706, kText, kScreen),
              Placed(D::hdDownRight, 512, 721));
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 512, 707, kText, kScreen),
              Placed(D::hdUpRight, 512, 664));
    EXPECT_EQ(PlaceBalloon(D::hdDownLeft, 512, 707, kText, kScreen), Placed(D::hdUpLeft, 418, 664));
}

TEST(BalloonPlacement, CornersTakeBothFlips) {
    // Upper right: right fails, then the top fails on the left too.
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 1000, 10, kText, kScreen), Placed(D::hdDownLeft, 906, 25));
    // Upper left from the left: up-left -> up-right -> down-right.
    EXPECT_EQ(PlaceBalloon(D::hdUpLeft, 20, 10, kText, kScreen), Placed(D::hdDownRight, 20, 25));
    // Lower right from down-right: down-left, whose bottom fails -> up-left.
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 1000, 760, kText, kScreen),
              Placed(D::hdUpLeft, 906, 717));
    // Lower left from down-left: down-right -> up-right.
    EXPECT_EQ(PlaceBalloon(D::hdDownLeft, 20, 760, kText, kScreen), Placed(D::hdUpRight, 20, 717));
}

TEST(BalloonPlacement, TheScreenNotTheWorkAreaCounts) {
    // Against the screen the bottom row of a 768-high screen still fits,
    // whatever a taskbar covers.
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 512, 706, kText, {1024, 768}).direction, D::hdDownRight);
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 512, 706, kText, {1024, 738}).direction, D::hdUpRight);
}

TEST(BalloonPlacement, AHintTooLargeForAnyDirectionEndsInTheLastOneTried) {
    // Wider than the screen on both sides: up-right, up-left, and up-right
    // again would follow; the search ends in up-left.
    const HintSize wide{1100, 18};
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 512, 384, wide, kScreen),
              (BalloonPlacement{D::hdUpLeft, 512 + 6 - 1116, 341, {1116, 38}, false}));
    EXPECT_EQ(PlaceBalloon(D::hdDownLeft, 512, 384, wide, kScreen),
              (BalloonPlacement{D::hdDownRight, 512, 399, {1116, 47}, false}));
    // Taller than the room above and below: up-right, down-right, stop.
    const HintSize tall{84, 800};
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 512, 384, tall, kScreen),
              (BalloonPlacement{D::hdDownRight, 512, 399, {100, 829}, false}));
    EXPECT_EQ(PlaceBalloon(D::hdDownRight, 512, 384, tall, kScreen),
              (BalloonPlacement{D::hdUpRight, 512, 379 - 820, {100, 820}, false}));
    // Tall in the upper right corner: up-right, up-left, down-left, stop.
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 1000, 10, tall, kScreen),
              (BalloonPlacement{D::hdDownLeft, 906, 25, {100, 829}, false}));
    // Wide and tall.
    EXPECT_EQ(PlaceBalloon(D::hdUpRight, 512, 384, {1100, 800}, kScreen).direction, D::hdUpLeft);
}

TEST(BalloonPlacement, ExtremeValuesStayDefined) {
    const BalloonPlacement p =
        PlaceBalloon(D::hdUpRight, INT32_MAX, INT32_MIN, {INT32_MAX, INT32_MAX}, {INT32_MAX, 0});
    EXPECT_FALSE(p.fits);
    EXPECT_EQ(PlaceBalloon(static_cast<D>(7), 512, 384, kText, kScreen).direction, D::hdUpRight)
        << "a byte out of range counts as the first direction";
}

// --- Geometry ----------------------------------------------------------------

TEST(BalloonGeometry, UpRight) {
    const BalloonGeometry g = ComputeBalloonGeometry(D::hdUpRight, 100, 38);
    EXPECT_EQ(g.textRect, (HintRect{8, 3, 100, 38}));
    EXPECT_EQ(g.tail, (Triangle{HintPoint{10, 23}, HintPoint{20, 23}, HintPoint{0, 38}}));
    ASSERT_TRUE(g.tailShadow);
    EXPECT_EQ(*g.tailShadow, (Triangle{HintPoint{12, 23}, HintPoint{25, 23}, HintPoint{12, 38}}));
    EXPECT_EQ(g.shadowRegion, (HintRect{10, 8, 100, 29}));
    EXPECT_EQ(g.shadowStrips[0], (ShadowStrip{{86, 100}, {8, 24}})) << "right";
    EXPECT_EQ(g.shadowStrips[1], (ShadowStrip{{10, 100}, {24, 29}})) << "bottom";
    EXPECT_EQ(g.box, (HintRect{0, 0, 94, 24}));
}

TEST(BalloonGeometry, UpLeft) {
    const BalloonGeometry g = ComputeBalloonGeometry(D::hdUpLeft, 100, 38);
    EXPECT_EQ(g.textRect, (HintRect{8, 3, 100, 38}));
    EXPECT_EQ(g.tail, (Triangle{HintPoint{74, 23}, HintPoint{84, 23}, HintPoint{94, 38}}));
    ASSERT_TRUE(g.tailShadow);
    EXPECT_EQ(*g.tailShadow, (Triangle{HintPoint{67, 23}, HintPoint{89, 23}, HintPoint{94, 38}}));
    EXPECT_EQ(g.shadowRegion, (HintRect{10, 8, 100, 29}));
    EXPECT_EQ(g.shadowStrips[0], (ShadowStrip{{86, 100}, {8, 24}}));
    EXPECT_EQ(g.shadowStrips[1], (ShadowStrip{{10, 100}, {24, 29}}));
    EXPECT_EQ(g.box, (HintRect{0, 0, 94, 24}));
}

TEST(BalloonGeometry, DownRight) {
    const BalloonGeometry g = ComputeBalloonGeometry(D::hdDownRight, 100, 47);
    EXPECT_EQ(g.textRect, (HintRect{8, 18, 100, 47})) << "15 + 3 from the top";
    EXPECT_EQ(g.tail, (Triangle{HintPoint{10, 15}, HintPoint{20, 15}, HintPoint{0, 0}}));
    EXPECT_FALSE(g.tailShadow);
    EXPECT_EQ(g.shadowRegion, (HintRect{10, 23, 100, 45}));
    EXPECT_EQ(g.shadowStrips[0], (ShadowStrip{{86, 100}, {23, 39}}));
    EXPECT_EQ(g.shadowStrips[1], (ShadowStrip{{10, 100}, {39, 45}}));
    EXPECT_EQ(g.box, (HintRect{0, 15, 94, 39}));
}

TEST(BalloonGeometry, DownLeft) {
    const BalloonGeometry g = ComputeBalloonGeometry(D::hdDownLeft, 100, 47);
    EXPECT_EQ(g.textRect, (HintRect{8, 18, 100, 47}));
    EXPECT_EQ(g.tail, (Triangle{HintPoint{74, 15}, HintPoint{84, 15}, HintPoint{94, 0}}));
    EXPECT_FALSE(g.tailShadow);
    EXPECT_EQ(g.shadowRegion, (HintRect{10, 23, 100, 45}));
    EXPECT_EQ(g.box, (HintRect{0, 15, 94, 39}));
}

TEST(BalloonGeometry, TheTextStartsThreeOrEighteenPixelsDown) {
    // The same text in a balloon above and below the pointer.
    const HintSize up = GrownBalloonSize({84, 18}, D::hdUpRight);
    const HintSize down = GrownBalloonSize({84, 18}, D::hdDownRight);
    const BalloonGeometry a = ComputeBalloonGeometry(D::hdUpRight, up.width, up.height);
    const BalloonGeometry b = ComputeBalloonGeometry(D::hdDownRight, down.width, down.height);
    EXPECT_EQ(a.textRect.top, 3);
    EXPECT_EQ(b.textRect.top, 18);
    EXPECT_EQ(a.textRect.left, 8);
    EXPECT_EQ(b.textRect.left, 8);
    // Both boxes have the same height around the same text.
    EXPECT_EQ(a.box.bottom - a.box.top, b.box.bottom - b.box.top);
}

TEST(BalloonText, CutAt256Characters) {
    const std::wstring exact(256, L'a');
    EXPECT_EQ(CutHintText(exact), exact);
    const std::wstring longer = std::wstring(256, L'b') + L"cdef";
    EXPECT_EQ(CutHintText(longer), std::wstring(256, L'b'));
    EXPECT_EQ(CutHintText(L"添加自定义字符"), L"添加自定义字符");
    EXPECT_EQ(CutHintText(L""), L"");
    // A character outside the basic plane across the cut goes as a whole.
    std::wstring pair(255, L'x');
    pair += static_cast<wchar_t>(0xD83D);
    pair += static_cast<wchar_t>(0xDE00);
    EXPECT_EQ(CutHintText(pair), std::wstring(255, L'x'));
}

// --- Painting -------------------------------------------------------------

// A canvas that writes down what is drawn. Its rounded region is the plain
// rectangle minus the points a test names; its polygon region a true
// triangle test (inside or on an edge).
class RecordingCanvas : public BalloonCanvas {
  public:
    class Region : public BalloonRegion {
      public:
        Region(RecordingCanvas& canvas, std::function<bool(HintPoint)> contains)
            : canvas_(canvas), contains_(std::move(contains)) {}
        ~Region() override { canvas_.ops.push_back("delete region"); }
        bool Contains(HintPoint point) const override { return contains_(point); }

      private:
        RecordingCanvas& canvas_;
        std::function<bool(HintPoint)> contains_;
    };

    std::unique_ptr<BalloonRegion> RoundRectRegion(HintRect r, std::int32_t cw,
                                                   std::int32_t ch) override {
        ops.push_back("round region " + Rect(r) + " " + std::to_string(cw) + "x" +
                      std::to_string(ch));
        return std::make_unique<Region>(*this, [this, r](HintPoint p) {
            return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom &&
                   !outsideRoundRegion.contains({p.x, p.y});
        });
    }
    std::unique_ptr<BalloonRegion> PolygonRegion(const Triangle& t) override {
        ops.push_back("polygon region " + Points(t));
        return std::make_unique<Region>(*this, [t](HintPoint p) {
            const auto side = [&](HintPoint a, HintPoint b) {
                return static_cast<std::int64_t>(b.x - a.x) * (p.y - a.y) -
                       static_cast<std::int64_t>(b.y - a.y) * (p.x - a.x);
            };
            const std::int64_t s0 = side(t[0], t[1]);
            const std::int64_t s1 = side(t[1], t[2]);
            const std::int64_t s2 = side(t[2], t[0]);
            return (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
        });
    }
    void SetPixel(HintPoint p, ColorRef color) override {
        if (ops.empty() || ops.back() != "pixels") {
            ops.push_back("pixels");
        }
        pixels.push_back({p, color});
    }
    void SetPen(ColorRef color) override { ops.push_back("pen " + Hex(color)); }
    void SetBrush(ColorRef color) override { ops.push_back("brush " + Hex(color)); }
    void RoundRect(HintRect r, std::int32_t cw, std::int32_t ch) override {
        ops.push_back("round rect " + Rect(r) + " " + std::to_string(cw) + "x" +
                      std::to_string(ch));
    }
    void MoveTo(HintPoint p) override { ops.push_back("move to " + Point(p)); }
    void LineTo(HintPoint p) override { ops.push_back("line to " + Point(p)); }
    void FillPolygon(const Triangle& t) override { ops.push_back("fill polygon " + Points(t)); }
    void DrawHintText(HintRect r, std::wstring_view text, const THintFont& font) override {
        ops.push_back("text " + Rect(r));
        texts.emplace_back(text);
        fonts.push_back(font);
    }

    struct Pixel {
        HintPoint point;
        ColorRef color;
    };
    std::vector<std::string> ops;
    std::vector<Pixel> pixels;
    std::vector<std::wstring> texts;
    std::vector<THintFont> fonts;
    std::set<std::pair<std::int32_t, std::int32_t>> outsideRoundRegion;

  private:
    static std::string Point(HintPoint p) {
        char buffer[32];
        std::snprintf(buffer, sizeof buffer, "(%d,%d)", static_cast<int>(p.x),
                      static_cast<int>(p.y));
        return buffer;
    }
    static std::string Points(const Triangle& t) { return Point(t[0]) + Point(t[1]) + Point(t[2]); }
    static std::string Rect(HintRect r) {
        return Point({r.left, r.top}) + "-" + Point({r.right, r.bottom});
    }
    static std::string Hex(ColorRef color) {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(color));
        return buffer;
    }
};

BalloonLook Look() {
    BalloonLook look;
    look.hintColor = 0x00FFFF;
    look.shadowColor = 0x800080;
    look.font.height = 15;
    return look;
}

TEST(BalloonPaint, UpRightStepsInOrder) {
    RecordingCanvas canvas;
    PaintBalloon(canvas, Look(), D::hdUpRight, 100, 38, L"全部效果");
    const std::vector<std::string> expected = {
        "round region (10,8)-(100,29) 8x8",
        "pixels",
        "delete region",
        "polygon region (12,23)(25,23)(12,38)",
        "pixels",
        "delete region",
        "pen 000000",
        "brush 00FFFF",
        "round rect (0,0)-(94,24) 9x9",
        // The tail's base in the box's colour wipes the outline there.
        "pen 00FFFF",
        "move to (10,23)",
        "line to (20,23)",
        "pen 000000",
        "fill polygon (10,23)(20,23)(0,38)",
        "move to (20,23)",
        "line to (0,38)",
        "line to (10,23)",
        "text (8,3)-(100,38)",
    };
    EXPECT_EQ(canvas.ops, expected);
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0], L"全部效果");
    EXPECT_EQ(canvas.fonts[0].height, 15);
}

TEST(BalloonPaint, UpLeftTail) {
    RecordingCanvas canvas;
    PaintBalloon(canvas, Look(), D::hdUpLeft, 100, 38, L"x");
    const std::vector<std::string> tail(canvas.ops.end() - 9, canvas.ops.end() - 1);
    const std::vector<std::string> expected = {
        "pen 00FFFF",
        "move to (74,23)",
        "line to (84,23)",
        "pen 000000",
        "fill polygon (74,23)(84,23)(94,38)",
        "move to (84,23)",
        "line to (94,38)",
        "line to (74,23)",
    };
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(canvas.ops[3], "polygon region (67,23)(89,23)(94,38)");
}

TEST(BalloonPaint, DownBalloonsHaveNoTailShadow) {
    for (const D direction : {D::hdDownRight, D::hdDownLeft}) {
        RecordingCanvas canvas;
        PaintBalloon(canvas, Look(), direction, 100, 47, L"x");
        EXPECT_EQ(canvas.ops[0], "round region (10,23)-(100,45) 8x8");
        EXPECT_EQ(canvas.ops[1], "pixels");
        EXPECT_EQ(canvas.ops[2], "delete region");
        EXPECT_EQ(canvas.ops[3], "pen 000000") << "no polygon region";
        EXPECT_EQ(canvas.ops[5], "round rect (0,15)-(94,39) 9x9");
        EXPECT_EQ(canvas.ops.back(), "text (8,18)-(100,47)");
        for (const auto& pixel : canvas.pixels) {
            EXPECT_GE(pixel.point.y, 23) << "nothing above the shadow region";
        }
    }
}

std::set<std::pair<std::int32_t, std::int32_t>> Dots(const RecordingCanvas& canvas) {
    std::set<std::pair<std::int32_t, std::int32_t>> dots;
    for (const auto& pixel : canvas.pixels) {
        EXPECT_EQ(pixel.color, 0x800080u);
        dots.insert({pixel.point.x, pixel.point.y});
    }
    return dots;
}

TEST(BalloonPaint, TheShadowIsAFiftyPercentDotPatternNeverSolid) {
    for (const D direction : {D::hdUpRight, D::hdUpLeft, D::hdDownRight, D::hdDownLeft}) {
        RecordingCanvas canvas;
        const std::int32_t h = IsUpDirection(direction) ? 38 : 47;
        PaintBalloon(canvas, Look(), direction, 100, h, L"x");
        const auto dots = Dots(canvas);
        ASSERT_FALSE(dots.empty());
        for (const auto& [x, y] : dots) {
            EXPECT_EQ((x + y) % 2, 0) << x << "," << y;
            EXPECT_FALSE(dots.contains({x + 1, y})) << "two dots side by side at " << x << "," << y;
            EXPECT_FALSE(dots.contains({x, y + 1}))
                << "two dots one above the other at " << x << "," << y;
        }
    }
}

TEST(BalloonPaint, BoxShadowDotsFillTheStripsInsideTheRegion) {
    RecordingCanvas canvas;
    PaintBalloon(canvas, Look(), D::hdDownRight, 100, 47, L"x");
    const auto dots = Dots(canvas);
    // Right strip x 86..100, y 23..39; bottom strip x 10..100, y 39..45;
    // region x 10..99, y 23..44.
    std::set<std::pair<std::int32_t, std::int32_t>> expected;
    for (std::int32_t y = 23; y <= 44; ++y) {
        for (std::int32_t x = 10; x <= 99; ++x) {
            const bool inStrip = (x >= 86 && y <= 39) || y >= 39;
            if (inStrip && (x + y) % 2 == 0) {
                expected.insert({x, y});
            }
        }
    }
    EXPECT_EQ(dots, expected);
    EXPECT_TRUE(dots.contains({86, 24}));
    EXPECT_TRUE(dots.contains({99, 23}));
    EXPECT_FALSE(dots.contains({100, 24})) << "the region ends before x = W";
    EXPECT_FALSE(dots.contains({10, 46})) << "nor below H - 2";
    EXPECT_FALSE(dots.contains({85, 24})) << "left of the right strip";
}

TEST(BalloonPaint, PixelsTheRegionLeavesOutKeepTheScreen) {
    RecordingCanvas canvas;
    canvas.outsideRoundRegion = {{98, 8}, {10, 28}, {99, 9}};
    PaintBalloon(canvas, Look(), D::hdUpRight, 100, 38, L"x");
    const auto dots = Dots(canvas);
    EXPECT_FALSE(dots.contains({98, 8}));
    EXPECT_FALSE(dots.contains({10, 28}));
    EXPECT_FALSE(dots.contains({99, 9}));
    EXPECT_TRUE(dots.contains({96, 8}));
    EXPECT_TRUE(dots.contains({12, 28}));
}

TEST(BalloonPaint, TheTailShadowDotsLieInItsTriangle) {
    RecordingCanvas canvas;
    PaintBalloon(canvas, Look(), D::hdUpRight, 100, 38, L"x");
    // The triangle S1 (12,23), S2 (25,23), S3 (12,38). Below the box's
    // shadow region (rows 29 and on) only the tail's dots are painted.
    std::set<std::pair<std::int32_t, std::int32_t>> tailDots;
    for (const auto& pixel : canvas.pixels) {
        if (pixel.point.y > 28) {
            tailDots.insert({pixel.point.x, pixel.point.y});
        }
    }
    std::set<std::pair<std::int32_t, std::int32_t>> expected;
    for (std::int32_t y = 29; y <= 38; ++y) {
        // Right edge of the triangle at row y: x = 25 - 13 (y - 23) / 15.
        for (std::int32_t x = 12; x <= 25; ++x) {
            const bool inside = 15 * (x - 12) <= 13 * (38 - y);
            if (inside && (x + y) % 2 == 0) {
                expected.insert({x, y});
            }
        }
    }
    EXPECT_EQ(tailDots, expected);
    EXPECT_TRUE(expected.contains({12, 38})) << "the tip";
}

TEST(BalloonPaint, LongTextsArePaintedCut) {
    RecordingCanvas canvas;
    PaintBalloon(canvas, Look(), D::hdUpRight, 100, 38, std::wstring(300, L'z'));
    ASSERT_EQ(canvas.texts.size(), 1u);
    EXPECT_EQ(canvas.texts[0].size(), 256u);
}

}  // namespace
}  // namespace tavrel
