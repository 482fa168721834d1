#include "patterns/edges.h"

#include <gtest/gtest.h>

#include <functional>

#include "support/recording_desktop.h"

namespace tavrel {
namespace {

using testing::Move;
using testing::RecordingDesktop;

using EdgeCall = std::function<void(DesktopAccess&)>;

std::vector<Move> Arrange(const EdgeCall& call, std::int32_t count, std::int32_t width = 1024,
                          std::int32_t height = 738) {
    RecordingDesktop desktop(count, width, height);
    call(desktop);
    return desktop.moves;
}

EdgeCall Top(std::int32_t direction) {
    return [=](DesktopAccess& d) { ArrangeTopEdge(d, 75, direction); };
}
EdgeCall Bottom(std::int32_t direction) {
    return [=](DesktopAccess& d) { ArrangeBottomEdge(d, 75, direction); };
}
EdgeCall Left(std::int32_t direction) {
    return [=](DesktopAccess& d) { ArrangeLeftEdge(d, 75, direction); };
}
EdgeCall Right(std::int32_t direction) {
    return [=](DesktopAccess& d) { ArrangeRightEdge(d, 75, direction); };
}

struct WorkedExample {
    const char* name;
    EdgeCall call;
    std::vector<Move> expected;  // a selection of icons, by index
};

// The 1024 x 738 table: a row holds 13 icons, a column 10.
TEST(EdgePatterns, WorkedExamplesOn1024By738) {
    const std::vector<WorkedExample> examples = {
        {"1", Top(1), {{0, 22, 2}, {1, 99, 2}, {12, 946, 2}, {13, 22, 77}}},
        {"2", Top(2), {{0, 974, 2}, {1, 897, 2}, {12, 50, 2}, {13, 974, 77}}},
        {"3", Bottom(1), {{0, 22, 665}, {1, 99, 665}, {12, 946, 665}, {13, 22, 590}}},
        {"4", Bottom(2), {{0, 974, 665}, {12, 50, 665}, {13, 974, 590}}},
        {"5", Left(1), {{0, 22, 2}, {1, 22, 77}, {9, 22, 677}, {10, 99, 2}}},
        {"6", Left(2), {{0, 22, 675}, {1, 22, 600}, {9, 22, 0}, {10, 99, 675}}},
        {"7", Right(1), {{0, 969, 2}, {1, 969, 77}, {9, 969, 677}, {10, 892, 2}}},
        {"8", Right(2), {{0, 969, 675}, {9, 969, 0}, {10, 892, 675}}},
    };
    for (const WorkedExample& example : examples) {
        SCOPED_TRACE(example.name);
        const std::vector<Move> moves = Arrange(example.call, 14);
        ASSERT_EQ(moves.size(), 14u);
        for (const Move& want : example.expected) {
            EXPECT_EQ(moves[static_cast<std::size_t>(want.index)], want);
        }
    }
}

TEST(EdgePatterns, EveryIconMovesOnceInAscendingOrder) {
    for (const EdgeCall& call : {Top(1), Bottom(2), Left(1), Right(2)}) {
        const std::vector<Move> moves = Arrange(call, 37);
        ASSERT_EQ(moves.size(), 37u);
        for (std::size_t i = 0; i < moves.size(); ++i) {
            EXPECT_EQ(moves[i].index, static_cast<std::int32_t>(i));
        }
    }
}

TEST(EdgePatterns, NoIconsAndNoShellMoveNothing) {
    EXPECT_TRUE(Arrange(Top(1), 0).empty());
    EXPECT_TRUE(Arrange(Right(2), -5).empty());

    RecordingDesktop desktop(40, 1024, 738);
    desktop.RemoveShell();
    ArrangeLeftEdge(desktop, 75, 1);
    EXPECT_TRUE(desktop.moves.empty());
}

TEST(EdgePatterns, OneIconOnAnotherWorkArea) {
    // W = 800, H = 570: (H - 30) div 75 = 7.
    EXPECT_EQ(Arrange(Top(1), 1, 800, 570), (std::vector<Move>{{0, 22, 2}}));
    EXPECT_EQ(Arrange(Bottom(2), 1, 800, 570), (std::vector<Move>{{0, 750, 497}}));
    EXPECT_EQ(Arrange(Left(2), 1, 800, 570), (std::vector<Move>{{0, 22, 525}}));
    EXPECT_EQ(Arrange(Right(1), 1, 800, 570), (std::vector<Move>{{0, 745, 2}}));
}

TEST(EdgePatterns, RowsHoldTheSameCountInBothDirections) {
    // A row holds (W - 31) div 77 + 1 icons; the limit is strict, so a slot
    // whose offset equals W - 31 is still used: W = 31 + 77 * 3 holds 4.
    const std::int32_t width = 31 + 77 * 3;
    for (std::int32_t direction : {1, 2}) {
        const std::vector<Move> moves = Arrange(Top(direction), 5, width, 500);
        EXPECT_EQ(moves[3].y, 2);
        EXPECT_EQ(moves[4].y, 77) << "direction " << direction;
    }
    // Direction 2's last slot: W - 50 - 77 * 3 = -19, the far end of the
    // range the two directions' mismatch allows.
    EXPECT_EQ(Arrange(Top(2), 4, width, 500)[3].x, -19);
}

TEST(EdgePatterns, DirectionOtherThanOneRunsBackwards) {
    EXPECT_EQ(Arrange(Top(0), 3), Arrange(Top(2), 3));
    EXPECT_EQ(Arrange(Left(-7), 3), Arrange(Left(2), 3));
}

TEST(EdgePatterns, TooNarrowOrTooLowWorkAreaOpensALineForEveryIcon) {
    EXPECT_EQ(Arrange(Top(1), 2, 30, 738), (std::vector<Move>{{0, 22, 77}, {1, 22, 152}}));
    EXPECT_EQ(Arrange(Left(1), 2, 1024, 29), (std::vector<Move>{{0, 99, 2}, {1, 176, 2}}));
    // Zero and negative sizes behave the same, with no trap.
    EXPECT_EQ(Arrange(Right(2), 1, 0, 0).size(), 1u);
    EXPECT_EQ(Arrange(Bottom(1), 1, -100, -100).size(), 1u);
}

TEST(EdgePatterns, MoreIconsThanFitRunOffTheScreen) {
    // 130 = 13 x 10 starts the eleventh row: below the bottom for the top
    // edge, above the top (negative) for the bottom edge.
    EXPECT_EQ(Arrange(Top(1), 131)[130], (Move{130, 22, 752}));
    EXPECT_EQ(Arrange(Bottom(1), 131)[130], (Move{130, 22, -85}));
}

TEST(EdgePatterns, WorkAreaOffsetIsNotAdded) {
    RecordingDesktop desktop(1, 0, 0);
    desktop.SetWorkArea({100, 30, 1124, 768});  // taskbar on the left and top
    ArrangeRightEdge(desktop, 75, 1);
    EXPECT_EQ(desktop.moves, (std::vector<Move>{{0, 969, 2}}));
}

}  // namespace
}  // namespace tavrel
