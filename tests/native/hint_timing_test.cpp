#include "styling/hint_timing.h"

#include <gtest/gtest.h>

namespace tavrel {
namespace {

constexpr HintToolId kA = 1;
constexpr HintToolId kB = 2;
constexpr HintToolId kC = 3;

constexpr HintStep kNothing{};
constexpr HintStep Show(HintToolId tool) {
    return {HintAction::kShow, tool};
}
constexpr HintStep Hide(HintToolId tool) {
    return {HintAction::kHide, tool};
}

// The control window's timing: 5 ms to show, 100 ms to the next, 10 s shown.
ApplicationHints ControlWindowTiming() {
    ApplicationHints hints;
    hints.hintPause = 5;
    hints.hintShortPause = 100;
    hints.hintHidePause = 10000;
    return hints;
}

TEST(HintTiming, AHintShowsFiveMillisecondsAfterThePointerRestsAndGoesAfterTenSeconds) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    EXPECT_EQ(timing.NextDeadline(), std::nullopt);
    EXPECT_EQ(timing.PointerAt(1000, kA), kNothing);
    EXPECT_EQ(timing.pendingTool(), kA);
    EXPECT_EQ(timing.NextDeadline(), 1005u);
    EXPECT_EQ(timing.Tick(1004), kNothing);
    EXPECT_EQ(timing.Tick(1005), Show(kA));
    EXPECT_EQ(timing.shownTool(), kA);
    EXPECT_EQ(timing.NextDeadline(), 11005u);
    EXPECT_EQ(timing.Tick(11004), kNothing);
    EXPECT_EQ(timing.Tick(11005), Hide(kA));
    EXPECT_EQ(timing.shownTool(), kNoHintTool);
    EXPECT_EQ(timing.NextDeadline(), std::nullopt);
    // It does not come back while the pointer stays on its control.
    EXPECT_EQ(timing.PointerAt(11010, kA), kNothing);
    EXPECT_EQ(timing.Tick(20000), kNothing);
    EXPECT_EQ(timing.NextDeadline(), std::nullopt);
}

TEST(HintTiming, MovingWithinTheControlBeforeTheHintShowsStartsThePauseAgain) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    timing.PointerAt(3, kA);
    EXPECT_EQ(timing.Tick(5), kNothing);
    EXPECT_EQ(timing.Tick(8), Show(kA));
    // Once shown, moving within the control changes nothing.
    EXPECT_EQ(timing.PointerAt(5000, kA), kNothing);
    EXPECT_EQ(timing.NextDeadline(), 10008u);
}

TEST(HintTiming, MovingToAnotherControlShowsTheNextHintAfterAHundredMilliseconds) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    ASSERT_EQ(timing.Tick(5), Show(kA));
    EXPECT_EQ(timing.PointerAt(500, kB), Hide(kA)) << "the shown hint goes at once";
    EXPECT_EQ(timing.NextDeadline(), 600u);
    EXPECT_EQ(timing.Tick(599), kNothing);
    EXPECT_EQ(timing.Tick(600), Show(kB));
    EXPECT_EQ(timing.PointerAt(700, kC), Hide(kB));
    EXPECT_EQ(timing.Tick(800), Show(kC));
    EXPECT_EQ(timing.NextDeadline(), 10800u);
}

TEST(HintTiming, PassingOverControlsOnTheWayKeepsTheShortPause) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    timing.Tick(5);
    timing.PointerAt(500, kB);
    EXPECT_EQ(timing.PointerAt(550, kC), kNothing);
    EXPECT_EQ(timing.NextDeadline(), 650u);
    EXPECT_EQ(timing.Tick(600), kNothing) << "B's hint never showed";
    EXPECT_EQ(timing.Tick(650), Show(kC));
}

TEST(HintTiming, LeavingHidesAndTheNextHintTakesTheFullPause) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    timing.Tick(5);
    EXPECT_EQ(timing.PointerAt(100, kNoHintTool), Hide(kA));
    EXPECT_EQ(timing.NextDeadline(), std::nullopt);
    timing.PointerAt(200, kB);
    EXPECT_EQ(timing.NextDeadline(), 205u);
    // Leaving before a hint shows drops it.
    EXPECT_EQ(timing.PointerAt(202, kNoHintTool), kNothing);
    EXPECT_EQ(timing.Tick(1000), kNothing);
    // Coming back to the same control starts again.
    timing.PointerAt(1100, kB);
    EXPECT_EQ(timing.Tick(1105), Show(kB));
}

TEST(HintTiming, AfterAHintExpiredTheNextControlTakesTheFullPause) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    timing.Tick(5);
    timing.Tick(10005);
    EXPECT_EQ(timing.PointerAt(10100, kB), kNothing);
    EXPECT_EQ(timing.NextDeadline(), 10105u);
}

TEST(HintTiming, AClickHidesTheHintUntilAnotherControl) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    timing.Tick(5);
    EXPECT_EQ(timing.Cancel(), Hide(kA));
    EXPECT_EQ(timing.PointerAt(50, kA), kNothing);
    EXPECT_EQ(timing.Tick(10000), kNothing);
    EXPECT_EQ(timing.PointerAt(60, kB), kNothing);
    EXPECT_EQ(timing.NextDeadline(), 65u);
    // A click while a hint is due drops it.
    EXPECT_EQ(timing.Cancel(), kNothing);
    EXPECT_EQ(timing.Tick(100), kNothing);
}

TEST(HintTiming, AToolThatGoesAwayIsForgotten) {
    const ApplicationHints hints = ControlWindowTiming();
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    timing.Tick(5);
    EXPECT_EQ(timing.Forget(kB), kNothing);
    EXPECT_EQ(timing.Forget(kA), Hide(kA));
    EXPECT_EQ(timing.NextDeadline(), std::nullopt);
    timing.PointerAt(10, kA);
    EXPECT_EQ(timing.Tick(15), Show(kA)) << "the same id, registered again, counts as new";
}

TEST(HintTiming, TheApplicationsSettingsCountFromTheNextEvent) {
    ApplicationHints hints;  // the framework's own timing
    HintTiming timing(hints);
    timing.PointerAt(0, kA);
    EXPECT_EQ(timing.NextDeadline(), 500u);
    hints = ControlWindowTiming();
    timing.PointerAt(1, kA);
    EXPECT_EQ(timing.NextDeadline(), 6u);
    hints.showHint = false;
    EXPECT_EQ(timing.PointerAt(2, kA), kNothing);
    EXPECT_EQ(timing.Tick(100), kNothing) << "hints switched off";
}

}  // namespace
}  // namespace tavrel
