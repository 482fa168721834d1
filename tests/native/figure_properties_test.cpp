// Every figure, on random icon counts and work areas: no undefined
// behaviour (this runs under UBSan and ASan in the host build), every icon
// moved, nothing else moved.
#include <gtest/gtest.h>

#include <random>

#include "core/dispatcher.h"
#include "support/quiet_host.h"
#include "support/recording_desktop.h"

namespace tavrel {
namespace {

using testing::QuietHost;

// How often each icon index was moved by arrangement `number`.
std::vector<int> MoveCounts(std::int32_t number, std::int32_t count, WorkAreaRect area) {
    testing::RecordingDesktop desktop(count, 0, 0);
    desktop.SetWorkArea(area);
    Settings settings;
    QuietHost host;
    Dispatcher(desktop, settings, host).PerformArrangement(number);
    std::vector<int> counts(static_cast<std::size_t>(count > 0 ? count : 0), 0);
    for (const testing::Move& move : desktop.moves) {
        EXPECT_GE(move.index, 0);
        EXPECT_LT(move.index, count);
        if (move.index >= 0 && move.index < count) {
            ++counts[static_cast<std::size_t>(move.index)];
        }
    }
    return counts;
}

void ExpectEveryIconMovedOnce(std::int32_t number, std::int32_t count, WorkAreaRect area) {
    const std::vector<int> counts = MoveCounts(number, count, area);
    // The yin-yang figure's ranges overlap for six icons or fewer; there an
    // icon may move twice.
    const int most = (number == 24 && count <= 6) ? 2 : 1;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        if (counts[i] < 1 || counts[i] > most) {
            ADD_FAILURE() << "arrangement " << number << ", " << count << " icons on " << area.right
                          << " x " << area.bottom << ": icon " << i << " moved " << counts[i]
                          << " times";
            return;
        }
    }
}

TEST(FigureProperties, RandomCountsAndWorkAreas) {
    std::mt19937 random(20261208);
    std::uniform_int_distribution<std::int32_t> icons(0, 5000);
    std::uniform_int_distribution<std::int32_t> size(0, 8000);
    for (int round = 0; round < 60; ++round) {
        const std::int32_t count = round < 10 ? round : icons(random);
        const WorkAreaRect area{0, 0, size(random), size(random)};
        for (std::int32_t number = 1; number <= 28; ++number) {
            ExpectEveryIconMovedOnce(number, count, area);
        }
    }
}

TEST(FigureProperties, DegenerateWorkAreas) {
    const std::vector<WorkAreaRect> areas = {
        {0, 0, 0, 0},
        {0, 0, 1, 1},
        {0, 0, 19, 19},
        {0, 0, 0, 738},
        {0, 0, 1024, 0},
        {0, 0, 5, 8000},
        {100, 100, 0, 0},                                            // inverted: negative size
        {-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647},  // wraps to -1 x -1
    };
    for (const WorkAreaRect& area : areas) {
        for (std::int32_t count : {1, 2, 3, 7, 40}) {
            for (std::int32_t number = 1; number <= 28; ++number) {
                ExpectEveryIconMovedOnce(number, count, area);
            }
        }
    }
}

TEST(FigureProperties, NoIconsMoveNothing) {
    for (std::int32_t count : {0, -1, -1000}) {
        for (std::int32_t number = 1; number <= 28; ++number) {
            EXPECT_TRUE(MoveCounts(number, count, {0, 0, 1024, 738}).empty());
            testing::RecordingDesktop desktop(count, 1024, 738);
            Settings settings;
            QuietHost host;
            Dispatcher(desktop, settings, host).PerformArrangement(number);
            EXPECT_TRUE(desktop.moves.empty()) << number;
        }
    }
}

}  // namespace
}  // namespace tavrel
