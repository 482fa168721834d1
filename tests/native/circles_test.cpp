#include "patterns/circles.h"

#include <gtest/gtest.h>

#include "support/figure_fixture.h"

namespace tavrel {
namespace {

using testing::Place;
using testing::RunFigure;

std::vector<Place> Places(const testing::FigureRun& run) {
    std::vector<Place> places;
    for (const auto& move : run.moves) {
        places.emplace_back(move.x, move.y);
    }
    return places;
}

// All on a 1024 x 738 work area: cx = 512, cy = 369, R = 369.

TEST(HalfCircles, UpperArcLeftToRight) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeHalfCircle(d, 0); }, 6);
    EXPECT_EQ(Places(run),
              (std::vector<Place>{
                  {70, 439}, {184, 240}, {383, 126}, {611, 126}, {810, 240}, {924, 439}}));
}

TEST(HalfCircles, LowerArcRightToLeft) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeHalfCircle(d, 1); }, 6);
    EXPECT_EQ(Places(run),
              (std::vector<Place>{
                  {923, 241}, {806, 439}, {607, 551}, {379, 549}, {181, 432}, {69, 233}}));
}

TEST(HalfCircles, OneIconSitsOnTopOfTheArc) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeHalfCircle(d, 0); }, 1);
    EXPECT_EQ(Places(run), (std::vector<Place>{{497, 111}}));
}

TEST(HalfCircles, NarrowWorkAreaPutsTheEndsOffTheScreen) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeHalfCircle(d, 0); }, 40, 600, 738);
    EXPECT_LT(run.At(0).first, 0);
    EXPECT_GT(run.At(39).first, 600);
}

TEST(Circle, FourIconsTruncateTowardZero) {
    // The top icon is at y = 13, not 12: Sin at the quarter turn of the
    // shortened full turn is a hair above -1 and -331.999... truncates to -331.
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeCircle(d, 1); }, 4);
    EXPECT_EQ(Places(run), (std::vector<Place>{{170, 344}, {502, 13}, {833, 344}, {502, 675}}));
}

TEST(Ellipse, FourIcons) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeCircle(d, 2); }, 4);
    EXPECT_EQ(Places(run), (std::vector<Place>{{22, 349}, {497, 18}, {971, 349}, {497, 680}}));
}

TEST(Circle, AnyVariantButOneIsTheEllipse) {
    EXPECT_EQ(Places(RunFigure([](DesktopAccess& d) { ArrangeCircle(d, 7); }, 5)),
              Places(RunFigure([](DesktopAccess& d) { ArrangeCircle(d, 2); }, 5)));
}

}  // namespace
}  // namespace tavrel
