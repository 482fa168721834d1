#include "patterns/figures.h"

#include <gtest/gtest.h>

#include "support/figure_fixture.h"

namespace tavrel {
namespace {

using testing::Place;
using testing::RunFigure;

const PauseFunction kNoPause = [](std::uint32_t) {};
constexpr Real kPiForTests = 3.14159265358979323846L;

// All on a 1024 x 738 work area: cx = 512, cy = 369.

TEST(Cross, ThirtyIcons) {
    const auto run = RunFigure(ArrangeCross, 30);
    EXPECT_EQ(run.At(0), Place(20, 319));
    EXPECT_EQ(run.At(1), Place(78, 319));
    EXPECT_EQ(run.At(2), Place(136, 319));
    EXPECT_EQ(run.At(16), Place(949, 319));
    EXPECT_EQ(run.At(17), Place(497, -7));
    EXPECT_EQ(run.At(18), Place(497, 51));
    EXPECT_EQ(run.At(29), Place(497, 690));
}

TEST(TaiJi, ThirtyIcons) {
    const auto run = RunFigure(ArrangeTaiJi, 30);
    EXPECT_EQ(run.moves.size(), 30u);
    EXPECT_EQ(run.At(0), Place(502, 127));
    EXPECT_EQ(run.At(1), Place(514, 12));
    EXPECT_EQ(run.At(10), Place(593, 663));
    EXPECT_EQ(run.At(11), Place(354, 538));
    EXPECT_EQ(run.At(15), Place(516, 326));
    EXPECT_EQ(run.At(16), Place(590, 306));
    EXPECT_EQ(run.At(18), Place(649, 164));
    EXPECT_EQ(run.At(19), Place(411, 24));
    EXPECT_EQ(run.At(28), Place(488, 675));
    EXPECT_EQ(run.At(29), Place(502, 501));
    // White for the upper eye and the right half, black for the rest, each
    // group redrawn while its colour is in force.
    EXPECT_EQ(run.ColourEvents(),
              (std::vector<std::string>{"back 4294967295", "text 16777215", "redraw 0 10",
                                        "back 4294967295", "text 0", "redraw 11 29"}));
}

TEST(TaiJi, ThreeIconsOverlapTheRanges) {
    const auto run = RunFigure(ArrangeTaiJi, 3);
    // Icon 1 is placed by the right half, then again by the left half.
    std::vector<Place> iconOne;
    for (const auto& move : run.moves) {
        if (move.index == 1) {
            iconOne.emplace_back(move.x, move.y);
        }
    }
    EXPECT_EQ(iconOne, (std::vector<Place>{{514, 12}, {488, 675}}));
    EXPECT_EQ(run.At(2), Place(502, 501));
    EXPECT_EQ(run.At(0), Place(502, 127));
}

TEST(TaiJi, OneIconEndsOnTheUpperEye) {
    const auto run = RunFigure(ArrangeTaiJi, 1);
    ASSERT_EQ(run.moves.size(), 2u);
    EXPECT_EQ(run.moves[0], (testing::Move{0, 502, 501}));
    EXPECT_EQ(run.moves[1], (testing::Move{0, 502, 127}));
}

TEST(TaiJi, NoIconsStillColourTheCaptions) {
    const auto run = RunFigure(ArrangeTaiJi, 0);
    EXPECT_TRUE(run.moves.empty());
    EXPECT_EQ(run.ColourEvents().size(), 6u);
}

TEST(Spiral, ThirtyIconsUseThreeTurns) {
    std::vector<std::uint32_t> pauses;
    const auto run = RunFigure(
        [&](DesktopAccess& d) { ArrangeSpiral(d, [&](std::uint32_t s) { pauses.push_back(s); }); },
        30);
    EXPECT_EQ(run.At(0), Place(515, 296));
    EXPECT_EQ(run.At(1), Place(485, 298));
    EXPECT_EQ(run.At(2), Place(460, 316));
    EXPECT_EQ(run.At(3), Place(450, 346));
    EXPECT_EQ(run.At(29), Place(805, 108));
    EXPECT_EQ(pauses, std::vector<std::uint32_t>(30, 15'000'001u)) << "one pause after each icon";
}

TEST(Spiral, TenIconsUseTwoTurns) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeSpiral(d, kNoPause); }, 10);
    EXPECT_EQ(run.At(0), Place(510, 295));
    EXPECT_EQ(run.At(1), Place(456, 320));
    EXPECT_EQ(run.At(2), Place(457, 388));
}

TEST(Spiral, TwentyIconsIsTheLastCountWithTwoTurns) {
    // The first icon's angle tells the constants apart: -1.4 for two turns,
    // -1.3 for three.
    const auto twenty = RunFigure([](DesktopAccess& d) { ArrangeSpiral(d, kNoPause); }, 20);
    const auto twentyOne = RunFigure([](DesktopAccess& d) { ArrangeSpiral(d, kNoPause); }, 21);
    EXPECT_EQ(twenty.At(0), Place(510, 295));
    EXPECT_EQ(twentyOne.At(0), Place(515, 296));
}

TEST(Spiral, TinyWorkAreaStaysNearTheCentre) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeSpiral(d, kNoPause); }, 5, 12, 12);
    ASSERT_EQ(run.moves.size(), 5u);
    for (const auto& move : run.moves) {
        EXPECT_LE(std::abs(move.x - (6 - 10)), 50);
        EXPECT_LE(std::abs(move.y - (6 - 25)), 50);
    }
}

TEST(Heart, FourIcons) {
    const auto run = RunFigure(ArrangeHeart, 4);
    EXPECT_EQ(run.At(0), Place(501, 103));
    EXPECT_EQ(run.At(1), Place(827, 129));
    EXPECT_EQ(run.At(2), Place(502, 667));
    EXPECT_EQ(run.At(3), Place(176, 129));
}

TEST(Heart, ThirtyIconsPutIconFifteenOnTheTip) {
    EXPECT_EQ(RunFigure(ArrangeHeart, 30).At(15), Place(502, 667));
}

TEST(Heart, CaptionsTurnRedBeforeAndAfterTheMoves) {
    const auto run = RunFigure(ArrangeHeart, 3);
    const std::vector<std::string> expected = {"text 255", "redraw 0 2", "move 0",
                                               "move 1",   "move 2",     "back 4294967295",
                                               "text 255", "redraw 0 2"};
    EXPECT_EQ(run.events, expected);
}

TEST(TwoHearts, SideBySideFortyIcons) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeTwoHearts(d, 0); }, 40);
    EXPECT_EQ(run.moves.size(), 40u);
    EXPECT_EQ(run.At(0), Place(478, 579));
    EXPECT_EQ(run.At(16), Place(393, 320));
}

TEST(TwoHearts, CrossedFortyIcons) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeTwoHearts(d, 1); }, 40);
    EXPECT_EQ(run.moves.size(), 40u);
    EXPECT_EQ(run.At(0), Place(341, 226));
    EXPECT_EQ(run.At(20), Place(621, 70));
}

TEST(TwoHearts, NoIconsStillSetRedTransparentCaptions) {
    for (std::int32_t variant : {0, 1}) {
        const auto run = RunFigure([=](DesktopAccess& d) { ArrangeTwoHearts(d, variant); }, 0);
        EXPECT_TRUE(run.moves.empty());
        EXPECT_EQ(run.events,
                  (std::vector<std::string>{"text 255", "redraw 0 -1", "back 4294967295",
                                            "text 255", "redraw 0 -1"}));
    }
    const auto heart = RunFigure(ArrangeHeart, 0);
    EXPECT_TRUE(heart.moves.empty());
    EXPECT_EQ(heart.events.size(), 5u);
}

TEST(HeartCurve, NotchTipAndLobes) {
    // t = 0 is the notch: no height at all.
    const HeartPoint notch = HeartCurvePoint(0.0L, 1.57L, 0.85L);
    EXPECT_NEAR(static_cast<double>(notch.y), 0.0, 1e-12);
    // Half a turn is the tip, straight below the notch.
    const HeartPoint tip = HeartCurvePoint(kPiForTests, 1.57L, 0.85L);
    EXPECT_NEAR(static_cast<double>(tip.x), 0.0, 1e-3);
    EXPECT_NEAR(static_cast<double>(tip.y), 1.7, 1e-3);
}

}  // namespace
}  // namespace tavrel
