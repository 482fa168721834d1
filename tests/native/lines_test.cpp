#include "patterns/lines.h"

#include <gtest/gtest.h>

#include <set>

#include "support/figure_fixture.h"

namespace tavrel {
namespace {

using testing::Place;
using testing::RunFigure;

// All on a 1024 x 738 work area.

TEST(StraightLines, HorizontalLineAcrossTheMiddle) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeStraightLine(d, 1); }, 30);
    ASSERT_EQ(run.moves.size(), 30u);
    EXPECT_EQ(run.At(0), Place(20, 319));
    EXPECT_EQ(run.At(1), Place(54, 319));
    EXPECT_EQ(run.At(2), Place(88, 319));
    EXPECT_EQ(run.At(3), Place(122, 319));
    EXPECT_EQ(run.At(29), Place(1010, 319));
}

TEST(StraightLines, VerticalLineDownTheMiddle) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeStraightLine(d, 2); }, 30);
    EXPECT_EQ(run.At(0), Place(497, 10));
    EXPECT_EQ(run.At(1), Place(497, 35));
    EXPECT_EQ(run.At(2), Place(497, 59));
    EXPECT_EQ(run.At(3), Place(497, 84));
    EXPECT_EQ(run.At(29), Place(497, 723));
}

TEST(StraightLines, ExactHalvesGoToTheEvenNeighbour) {
    // 738 / 4 = 184.5: 184.5 -> 184, 553.5 -> 554.
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeStraightLine(d, 2); }, 4);
    EXPECT_EQ(run.At(0).second, 10);
    EXPECT_EQ(run.At(1).second, 194);
    EXPECT_EQ(run.At(2).second, 379);
    EXPECT_EQ(run.At(3).second, 564);
}

TEST(Diagonals, BothDirections) {
    const auto down = RunFigure([](DesktopAccess& d) { ArrangeDiagonal(d, 1); }, 30);
    EXPECT_EQ(down.At(0), Place(20, 5));
    EXPECT_EQ(down.At(1), Place(52, 28));
    EXPECT_EQ(down.At(2), Place(85, 50));
    EXPECT_EQ(down.At(3), Place(117, 73));
    EXPECT_EQ(down.At(29), Place(959, 661));

    const auto up = RunFigure([](DesktopAccess& d) { ArrangeDiagonal(d, 2); }, 30);
    EXPECT_EQ(up.At(0), Place(20, 688));
    EXPECT_EQ(up.At(1), Place(52, 665));
    EXPECT_EQ(up.At(2), Place(85, 643));
    EXPECT_EQ(up.At(29), Place(959, 32));
}

TEST(ParallelLines, ColumnsLeftAndRight) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeParallelLines(d, 77, 1); }, 25);
    for (std::int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(run.At(i), Place(22, 2 + 75 * i)) << i;
        EXPECT_EQ(run.At(10 + i), Place(969, 2 + 75 * i)) << 10 + i;
    }
    for (std::int32_t i = 20; i < 25; ++i) {
        EXPECT_EQ(run.At(i), Place(105, 2 + 75 * (i - 20))) << i;
    }
}

TEST(ParallelLines, RowsTopAndBottom) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeParallelLines(d, 77, 2); }, 30);
    for (std::int32_t i = 0; i < 13; ++i) {
        EXPECT_EQ(run.At(i), Place(22 + 81 * i, 2)) << i;
        EXPECT_EQ(run.At(13 + i), Place(22 + 81 * i, 670)) << 13 + i;
    }
    EXPECT_EQ(run.At(12).first, 994);
    for (std::int32_t i = 26; i < 30; ++i) {
        EXPECT_EQ(run.At(i), Place(22 + 81 * (i - 26), 77)) << i;
    }
}

TEST(Triangle, ThirtyIcons) {
    const auto run = RunFigure(ArrangeTriangle, 30);
    EXPECT_EQ(run.At(0), Place(500, 10));
    EXPECT_EQ(run.At(10), Place(133, 663));
    EXPECT_EQ(run.At(19), Place(823, 663));
    for (std::int32_t i = 10; i < 20; ++i) {
        EXPECT_EQ(run.At(i).second, 663);
    }
    EXPECT_EQ(run.At(20), Place(886, 674));
    EXPECT_EQ(run.At(29), Place(540, 76));
    std::set<Place> places;
    for (const auto& move : run.moves) {
        places.insert({move.x, move.y});
    }
    EXPECT_EQ(places.size(), 30u) << "no two icons share a place";
}

TEST(Triangle, ThreeIconsAndFewer) {
    const auto three = RunFigure(ArrangeTriangle, 3);
    EXPECT_EQ(three.At(0), Place(500, 10));
    EXPECT_EQ(three.At(1), Place(133, 663));
    EXPECT_EQ(three.At(2), Place(886, 674));
    // No left side and no base: both icons on the right side's line, below
    // the work area.
    const auto two = RunFigure(ArrangeTriangle, 2);
    EXPECT_GT(two.At(0).second, 738);
    EXPECT_GT(two.At(1).second, 738);
}

TEST(Square, FortyIcons) {
    const auto run = RunFigure(ArrangeSquare, 40);
    EXPECT_EQ(run.At(0), Place(173, 30));
    EXPECT_EQ(run.At(1), Place(173, 91));
    EXPECT_EQ(run.At(2), Place(173, 152));
    EXPECT_EQ(run.At(10), Place(173, 638));
    EXPECT_EQ(run.At(11), Place(237, 638));
    EXPECT_EQ(run.At(12), Place(301, 638));
    EXPECT_EQ(run.At(20), Place(821, 638));
    EXPECT_EQ(run.At(30), Place(821, 30));
}

TEST(Square, FiveIconsLeaveTheTopEmpty) {
    const auto run = RunFigure(ArrangeSquare, 5);
    EXPECT_EQ(run.At(0), Place(173, 30));
    EXPECT_EQ(run.At(1), Place(173, 334));
    EXPECT_EQ(run.At(2), Place(173, 638));
    EXPECT_EQ(run.At(3), Place(480, 638));
    EXPECT_EQ(run.At(4), Place(821, 638));
}

TEST(Rectangles, DownFillsTheFirstRingLeftBottomRightTop) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeRectangleDown(d, 75); }, 50);
    for (std::int32_t i = 0; i < 10; ++i) {
        EXPECT_EQ(run.At(i), Place(22, 2 + 73 * i)) << i;
    }
    for (std::int32_t i = 10; i < 22; ++i) {
        EXPECT_EQ(run.At(i), Place(103 + 81 * (i - 10), 659)) << i;
    }
    for (std::int32_t i = 22; i < 31; ++i) {
        EXPECT_EQ(run.At(i).first, 994) << i;
    }
    for (std::int32_t i = 31; i < 42; ++i) {
        EXPECT_EQ(run.At(i).second, 2) << i;
    }
    EXPECT_EQ(run.At(42), Place(103, 75));
}

TEST(Rectangles, AcrossFillsTheFirstRingTopRightBottomLeft) {
    const auto run = RunFigure([](DesktopAccess& d) { ArrangeRectangleAcross(d, 75); }, 50);
    for (std::int32_t i = 0; i < 13; ++i) {
        EXPECT_EQ(run.At(i), Place(22 + 81 * i, 2)) << i;
    }
    for (std::int32_t i = 13; i < 22; ++i) {
        EXPECT_EQ(run.At(i).first, 994) << i;
    }
    for (std::int32_t i = 22; i < 34; ++i) {
        EXPECT_EQ(run.At(i).second, 659) << i;
    }
    for (std::int32_t i = 34; i < 42; ++i) {
        EXPECT_EQ(run.At(i).first, 22) << i;
    }
    EXPECT_EQ(run.At(42), Place(103, 75));
}

// Ring sizes 42, 34, 26, 18, 10, 6, then blocks of 4 marching down and to
// the right: the first icon of each ring is one grid place further in.
TEST(Rectangles, RingsShrinkByEightThenBecomeBlocksOfFour) {
    for (const testing::Figure& figure :
         {testing::Figure([](DesktopAccess& d) { ArrangeRectangleDown(d, 75); }),
          testing::Figure([](DesktopAccess& d) { ArrangeRectangleAcross(d, 75); })}) {
        const auto run = RunFigure(figure, 200);
        std::int32_t first = 0;
        std::int32_t ring = 0;
        for (std::int32_t size : {42, 34, 26, 18, 10, 6, 4, 4, 4}) {
            first += size;
            ++ring;
            EXPECT_EQ(run.At(first), Place(22 + 81 * ring, 2 + 73 * ring)) << "ring " << ring + 1;
        }
    }
}

}  // namespace
}  // namespace tavrel
