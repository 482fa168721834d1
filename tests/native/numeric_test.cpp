#include "common/numeric.h"

#include <gtest/gtest.h>

#include <limits>

namespace tavrel {
namespace {

TEST(Numeric, RoundGoesToTheEvenNeighbourOnTies) {
    EXPECT_EQ(Round(2.5L), 2);
    EXPECT_EQ(Round(3.5L), 4);
    EXPECT_EQ(Round(-2.5L), -2);
    EXPECT_EQ(Round(511.5L), 512);
    EXPECT_EQ(Round(512.5L), 512);
    EXPECT_EQ(Round(2.4999L), 2);
    EXPECT_EQ(Round(-3.7L), -4);
}

TEST(Numeric, TruncGoesTowardZero) {
    EXPECT_EQ(Trunc(-3.7L), -3);
    EXPECT_EQ(Trunc(3.7L), 3);
    EXPECT_EQ(Trunc(-0.2L), 0);
}

TEST(Numeric, NonFiniteAndHugeRealsGiveDefinedIntegers) {
    const Real nan = std::numeric_limits<Real>::quiet_NaN();
    const Real inf = std::numeric_limits<Real>::infinity();
    EXPECT_EQ(Round(nan), 0);
    EXPECT_EQ(Trunc(nan), 0);
    EXPECT_EQ(Round(inf), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Trunc(-inf), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(Round(1e30L), std::numeric_limits<std::int64_t>::max());
    // A 32-bit variable keeps the low 32 bits of the 64-bit result.
    EXPECT_EQ(Round32(4294967296.0L + 5.0L), 5);
}

TEST(Numeric, DivTruncatesTowardZeroAndNeverTraps) {
    EXPECT_EQ(Div(-7, 2), -3);
    EXPECT_EQ(Div(7, -2), -3);
    EXPECT_EQ(Div(708, 75), 9);
    EXPECT_EQ(Div(5, 0), 0);
    EXPECT_EQ(Div(std::numeric_limits<std::int32_t>::min(), -1),
              std::numeric_limits<std::int32_t>::min());
}

TEST(Numeric, Wrap32KeepsTheLow32Bits) {
    EXPECT_EQ(Wrap32(0x1'0000'0005LL), 5);
    EXPECT_EQ(Wrap32(0xFFFF'FFFFLL), -1);
    EXPECT_EQ(Wrap32(-0x8000'0001LL), 0x7FFF'FFFF);
}

}  // namespace
}  // namespace tavrel
