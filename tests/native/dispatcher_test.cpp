#include "core/dispatcher.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/recording_desktop.h"

namespace tavrel {
namespace {

using testing::RecordingDesktop;

// Writes what the dispatcher asks of the program into the desktop's event
// list, so that the order across both can be checked.
class RecordingHost : public ArrangementHost {
  public:
    explicit RecordingHost(std::vector<std::string>& events) : events_(events) {}
    void SaveSettings() override { events_.push_back("save"); }
    void ShowDigitalClock() override { events_.push_back("clock"); }
    void DrawCustomCharacter(std::int32_t k) override {
        events_.push_back("character " + std::to_string(k));
    }
    void RestoreSavedLayout(std::int32_t k) override {
        events_.push_back("layout " + std::to_string(k));
    }
    void Pause(std::uint32_t steps) override {
        events_.push_back("pause " + std::to_string(steps));
    }
    void NoticeSelfArrangingDesktop(DesktopListStyles styles) override {
        events_.push_back("notice" + Named(styles));
    }
    bool AskToSwitchOffSelfArranging(DesktopListStyles styles) override {
        events_.push_back("ask" + Named(styles));
        return switchOff;
    }

    bool switchOff = false;  // the answer to the question

  private:
    static std::string Named(DesktopListStyles styles) {
        return std::string(styles.autoArrange ? " auto-arrange" : "") +
               (styles.snapToGrid ? " grid" : "");
    }

    std::vector<std::string>& events_;
};

const std::vector<std::string> kUserColour = {"text 255", "back 4294967295", "redraw 0 2"};

class DispatcherTest : public ::testing::Test {
  protected:
    std::vector<std::string> Perform(std::int32_t number) {
        desktop.events.clear();
        dispatcher.PerformArrangement(number);
        return WithoutMoves();
    }
    std::vector<std::string> WithoutMoves() const {
        std::vector<std::string> kept;
        for (const std::string& event : desktop.events) {
            if (event.rfind("move", 0) != 0) {
                kept.push_back(event);
            }
        }
        return kept;
    }

    RecordingDesktop desktop{3, 1024, 738};
    Settings settings;
    RecordingHost host{desktop.events};
    Dispatcher dispatcher{desktop, settings, host};
};

TEST_F(DispatcherTest, BuiltInNumbersPerformTheirFigureThenTheUserColour) {
    EXPECT_EQ(Perform(1), kUserColour);
    EXPECT_EQ(desktop.moves.front(), (testing::Move{0, 22, 2}));

    std::vector<std::string> clock = {"clock"};
    clock.insert(clock.end(), kUserColour.begin(), kUserColour.end());
    EXPECT_EQ(Perform(29), clock);
}

TEST_F(DispatcherTest, NumbersOutsideEveryRangeOnlyApplyTheColour) {
    for (std::int32_t number : {0, -1, 30, 31, 1000}) {
        desktop.moves.clear();
        EXPECT_EQ(Perform(number), kUserColour) << number;
        EXPECT_TRUE(desktop.moves.empty());
    }
}

TEST_F(DispatcherTest, CustomRangesFollowTheCounts) {
    settings.customCharacterCount = 2;
    settings.customCount = 3;
    EXPECT_EQ(Perform(30).front(), "character 1");
    EXPECT_EQ(Perform(31).front(), "character 2");
    EXPECT_EQ(Perform(32).front(), "layout 1");
    EXPECT_EQ(Perform(34).front(), "layout 3");
    EXPECT_EQ(Perform(35), kUserColour);
}

TEST_F(DispatcherTest, ThirtyRestoresTheFirstLayoutWhenThereAreNoCharacters) {
    settings.customCount = 1;
    EXPECT_EQ(Perform(30).front(), "layout 1");
}

TEST_F(DispatcherTest, NegativeCharacterCountLetsBothRangesAct) {
    // Only a damaged registry gives this; the number then runs its figure
    // and a saved layout, in that order.
    settings.customCharacterCount = -5;
    settings.customCount = 10;
    desktop.events.clear();
    dispatcher.PerformArrangement(29);
    ASSERT_GE(desktop.events.size(), 2u);
    EXPECT_EQ(desktop.events[0], "clock");
    EXPECT_EQ(desktop.events[1], "layout 5");
}

TEST_F(DispatcherTest, ColourStepLooksAtTheCurrentArrangement) {
    for (std::int32_t current : {24, 26, 27, 28}) {
        settings.arrage = current;
        EXPECT_TRUE(Perform(1).empty()) << current;
    }
    // During the demonstration the heart's own red goes first, then the
    // user's colour is put over it because the current arrangement is 1.
    for (std::int32_t current : {23, 25, 29, 0}) {
        settings.arrage = current;
        const std::vector<std::string> events = Perform(26);
        ASSERT_GE(events.size(), 3u);
        EXPECT_EQ(std::vector<std::string>(events.end() - 3, events.end()), kUserColour) << current;
    }
}

const std::vector<std::string> kHeartColours = {"text 255", "redraw 0 2", "back 4294967295",
                                                "text 255", "redraw 0 2"};

TEST_F(DispatcherTest, ChoosingSetsTheCurrentArrangementFirst) {
    dispatcher.ChooseArrangement(26);
    EXPECT_EQ(settings.arrage, 26);
    EXPECT_EQ(WithoutMoves(), kHeartColours) << "26 colours its own captions, nothing over them";
}

TEST_F(DispatcherTest, RefreshSavesRecoloursAndPerformsTheCurrentArrangement) {
    settings.arrage = 1;
    dispatcher.Timer2Timer();
    std::vector<std::string> expected = {"save"};
    expected.insert(expected.end(), kUserColour.begin(), kUserColour.end());
    expected.insert(expected.end(), kUserColour.begin(), kUserColour.end());
    EXPECT_EQ(WithoutMoves(), expected);
    EXPECT_EQ(desktop.moves.size(), 3u);
}

TEST_F(DispatcherTest, RefreshOfASelfColouredArrangementOnlySaves) {
    settings.arrage = 26;
    dispatcher.Timer2Timer();
    std::vector<std::string> expected = {"save"};
    expected.insert(expected.end(), kHeartColours.begin(), kHeartColours.end());
    EXPECT_EQ(WithoutMoves(), expected);
}

TEST_F(DispatcherTest, DemonstrationPerformsEveryArrangementAndPauses31Times) {
    settings.arrage = 7;
    dispatcher.DemonstrateAll();
    const std::vector<std::string> events = WithoutMoves();
    const std::string pause = "pause 2000000001";
    EXPECT_EQ(std::count(events.begin(), events.end(), pause), 31);
    EXPECT_EQ(std::count(events.begin(), events.end(), "clock"), 1);
    // Each of the 29 arrangements ends with the user colour and a pause;
    // then hide, pause, show, pause.
    std::size_t arrangements = 0;
    for (std::size_t i = 3; i < events.size(); ++i) {
        if (events[i] == pause && events[i - 1] == "redraw 0 2" &&
            events[i - 2] == "back 4294967295" && events[i - 3] == "text 255") {
            ++arrangements;
        }
    }
    EXPECT_EQ(arrangements, 29u);
    const std::vector<std::string> tail(events.end() - 4, events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"hide", pause, "show", pause}));
    EXPECT_EQ(settings.arrage, 7) << "the demonstration leaves the choice alone";
    EXPECT_FALSE(desktop.moves.empty());
}

TEST_F(DispatcherTest, DemonstrationIncludesTheCustomNumbers) {
    settings.customCharacterCount = 1;
    settings.customCount = 1;
    dispatcher.DemonstrateAll();
    const std::vector<std::string> events = WithoutMoves();
    EXPECT_EQ(std::count(events.begin(), events.end(), "pause 2000000001"), 33);
    EXPECT_NE(std::find(events.begin(), events.end(), "character 1"), events.end());
    EXPECT_NE(std::find(events.begin(), events.end(), "layout 1"), events.end());
}

TEST_F(DispatcherTest, DemonstrationWithNoArrangementsOnlyHidesAndShows) {
    settings.customCharacterCount = -40;
    dispatcher.DemonstrateAll();
    EXPECT_EQ(WithoutMoves(),
              (std::vector<std::string>{"hide", "pause 2000000001", "show", "pause 2000000001"}));
}

}  // namespace
}  // namespace tavrel

namespace tavrel {
namespace {

TEST_F(DispatcherTest, ADesktopThatArrangesItselfIsToldOfOnceAndArrangedAllTheSame) {
    EXPECT_EQ(Perform(1), kUserColour) << "no notice while the desktop leaves the icons alone";
    EXPECT_EQ(desktop.styleQueries, 1);

    desktop.SetListStyles({true, false});
    std::vector<std::string> expected = {"notice auto-arrange"};
    expected.insert(expected.end(), kUserColour.begin(), kUserColour.end());
    EXPECT_EQ(Perform(1), expected);
    EXPECT_EQ(desktop.moves.size(), 6u) << "the icons are moved as always";

    desktop.SetListStyles({true, true});
    EXPECT_EQ(Perform(2), kUserColour) << "once per run";
    EXPECT_EQ(desktop.styleQueries, 2) << "and no more asking after it";
}

TEST_F(DispatcherTest, AChoiceOnASelfArrangingDesktopAsksOnceAndYesSwitchesItOffFirst) {
    host.switchOff = true;
    desktop.SetListStyles({true, true});
    desktop.events.clear();
    dispatcher.ChooseArrangement(1);
    std::vector<std::string> expected = {"ask auto-arrange grid", "switch off self-arranging"};
    expected.insert(expected.end(), kUserColour.begin(), kUserColour.end());
    EXPECT_EQ(WithoutMoves(), expected) << "asked instead of told";
    EXPECT_EQ(desktop.moves.size(), 3u);

    desktop.SetListStyles({false, true});
    desktop.events.clear();
    dispatcher.DemonstrateAll();
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "ask grid"), 0)
        << "once per run";
}

TEST_F(DispatcherTest, NoLeavesTheDesktopAsItIsAndTheRefreshStillTellsOfIt) {
    desktop.SetListStyles({false, true});
    desktop.events.clear();
    dispatcher.DemonstrateAll();
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "ask grid"), 1);
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "switch off self-arranging"),
              0);
    EXPECT_EQ(std::count(desktop.events.begin(), desktop.events.end(), "notice grid"), 0);
    EXPECT_EQ(Perform(1).front(), "notice grid");
}

TEST_F(DispatcherTest, AlignToGridAloneIsToldOfToo) {
    desktop.SetListStyles({false, true});
    EXPECT_EQ(Perform(0), kUserColour) << "a number that arranges nothing does not ask";
    EXPECT_EQ(desktop.styleQueries, 0);
    const std::vector<std::string> events = Perform(29);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front(), "notice grid");
}

}  // namespace
}  // namespace tavrel
