// A representative set of figures through the real list view of the
// stand-in desktop: positions and caption colours as the list view got them.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include "core/dispatcher.h"
#include "desktop/desktop_win.h"
#include "standin_desktop/standin_client_win.h"

namespace tavrel {
namespace {

using standin::StandinDesktop;
using standin::StandinState;

class CountingHost : public ArrangementHost {
  public:
    void SaveSettings() override {}
    void ShowDigitalClock() override {}
    void DrawCustomCharacter(std::int32_t) override {}
    void RestoreSavedLayout(std::int32_t) override {}
    void Pause(std::uint32_t steps) override {
        ++pauses;
        // A short real count, so the busy loop itself runs here too.
        BusyCount(steps / 100000);
    }
    int pauses = 0;
};

struct Expected {
    std::int32_t number;
    std::int32_t icons;
    std::vector<std::tuple<int, int, int>> places;  // index, x, y
};

TEST(FiguresOnTheStandin, LandWhereTheNumbersSay) {
    const std::vector<Expected> cases = {
        {10, 4, {{0, 497, 10}, {1, 497, 194}, {2, 497, 379}, {3, 497, 564}}},
        {15, 30, {{0, 500, 10}, {10, 133, 663}, {20, 886, 674}, {29, 540, 76}}},
        {18, 50, {{0, 22, 2}, {12, 994, 2}, {42, 103, 75}}},
        {21, 4, {{0, 170, 344}, {1, 502, 13}, {2, 833, 344}, {3, 502, 675}}},
        {23, 30, {{16, 949, 319}, {17, 497, -7}, {29, 497, 690}}},
        {25, 30, {{0, 515, 296}, {29, 805, 108}}},
        {28, 40, {{0, 341, 226}, {20, 621, 70}}},
    };
    for (const Expected& expected : cases) {
        SCOPED_TRACE(expected.number);
        StandinDesktop standin(expected.icons);
        ASSERT_TRUE(standin.Started());
        Win32Desktop desktop;
        Settings settings;
        CountingHost host;
        Dispatcher(desktop, settings, host).ChooseArrangement(expected.number);
        const StandinState state = standin.ReadState();
        for (const auto& [index, x, y] : expected.places) {
            EXPECT_EQ(state.items[static_cast<std::size_t>(index)].x, x) << "icon " << index;
            EXPECT_EQ(state.items[static_cast<std::size_t>(index)].y, y) << "icon " << index;
        }
        if (expected.number == 25) {
            EXPECT_EQ(host.pauses, 30);
        }
    }
}

TEST(FiguresOnTheStandin, YinYangRedrawsTheTwoColourGroupsInOrder) {
    StandinDesktop standin(30);
    ASSERT_TRUE(standin.Started());
    standin.ClearJournal();
    Win32Desktop desktop;
    Settings settings;
    CountingHost host;
    Dispatcher(desktop, settings, host).ChooseArrangement(24);
    const StandinState state = standin.ReadState();

    std::vector<std::tuple<UINT, std::uint64_t, std::int64_t>> colours;
    for (const auto& entry : state.journal) {
        if (entry.message != LVM_SETITEMPOSITION) {
            colours.emplace_back(entry.message, entry.wParam, entry.lParam);
        }
    }
    const std::vector<std::tuple<UINT, std::uint64_t, std::int64_t>> expected = {
        {LVM_SETTEXTBKCOLOR, 0, static_cast<std::int64_t>(static_cast<LPARAM>(CLR_NONE))},
        {LVM_SETTEXTCOLOR, 0, 0xFFFFFF},
        {LVM_REDRAWITEMS, 0, 10},
        {LVM_SETTEXTBKCOLOR, 0, static_cast<std::int64_t>(static_cast<LPARAM>(CLR_NONE))},
        {LVM_SETTEXTCOLOR, 0, 0},
        {LVM_REDRAWITEMS, 11, 29},
    };
    EXPECT_EQ(colours, expected) << "no user colour over the figure's own";
    EXPECT_EQ(state.textColor, 0u);
    EXPECT_EQ(state.textBackColor, CLR_NONE);
    EXPECT_EQ(state.items[0].x, 502);
    EXPECT_EQ(state.items[0].y, 127);
}

TEST(FiguresOnTheStandin, HeartLeavesRedCaptions) {
    StandinDesktop standin(30);
    ASSERT_TRUE(standin.Started());
    Win32Desktop desktop;
    Settings settings;
    settings.textColor = RGB(0, 255, 0);
    CountingHost host;
    Dispatcher(desktop, settings, host).ChooseArrangement(26);
    const StandinState state = standin.ReadState();
    EXPECT_EQ(state.textColor, static_cast<std::uint32_t>(RGB(255, 0, 0)));
    EXPECT_EQ(state.items[15].x, 502);
    EXPECT_EQ(state.items[15].y, 667);
}

}  // namespace
}  // namespace tavrel
