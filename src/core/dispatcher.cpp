#include "core/dispatcher.h"

#include <array>

#include "common/numeric.h"
#include "patterns/circles.h"
#include "patterns/edges.h"
#include "patterns/figures.h"
#include "patterns/lines.h"

namespace tavrel {
namespace {

using PatternCall = void (*)(DesktopAccess&, ArrangementHost&);

// The built-in arrangements 1 to 28, each a figure with its fixed
// arguments. 29, the clock, belongs to the host.
constexpr std::array<PatternCall, 28> kBuiltInPatterns = {
    [](DesktopAccess& d, ArrangementHost&) { ArrangeTopEdge(d, kEdgeSpacing, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeTopEdge(d, kEdgeSpacing, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeBottomEdge(d, kEdgeSpacing, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeBottomEdge(d, kEdgeSpacing, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeLeftEdge(d, kEdgeSpacing, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeLeftEdge(d, kEdgeSpacing, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeRightEdge(d, kEdgeSpacing, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeRightEdge(d, kEdgeSpacing, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeStraightLine(d, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeStraightLine(d, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeDiagonal(d, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeDiagonal(d, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeParallelLines(d, kParallelSpacing, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeParallelLines(d, kParallelSpacing, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeTriangle(d); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeSquare(d); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeRectangleDown(d, kEdgeSpacing); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeRectangleAcross(d, kEdgeSpacing); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeHalfCircle(d, 0); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeHalfCircle(d, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeCircle(d, 1); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeCircle(d, 2); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeCross(d); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeTaiJi(d); },
    [](DesktopAccess& d, ArrangementHost& host) {
        ArrangeSpiral(d, [&host](std::uint32_t steps) { host.Pause(steps); });
    },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeHeart(d); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeTwoHearts(d, 0); },
    [](DesktopAccess& d, ArrangementHost&) { ArrangeTwoHearts(d, 1); },
};

}  // namespace

void Dispatcher::PerformArrangement(std::int32_t number) {
    Perform(number, StartedBy::kProgram);
}

void Dispatcher::Perform(std::int32_t number, StartedBy startedBy) {
    // The counts are read at the moment of the call and not validated: a
    // negative count from a damaged registry can make the saved-layout
    // range reach into 1 to 29, and such a number then runs both, in order.
    const std::int64_t characters = settings_.customCharacterCount;
    const std::int64_t layouts = settings_.customCount;
    const std::int64_t firstCustom = kBuiltInArrangementCount;

    const bool arranges = (number >= 1 && number <= kBuiltInArrangementCount) ||
                          (number > firstCustom && number <= firstCustom + characters + layouts);
    if (arranges) {
        startedBy == StartedBy::kUser ? OfferToSwitchOffSelfArranging() : CheckSelfArranging();
    }
    if (number >= 1 && number <= kBuiltInArrangementCount) {
        PerformBuiltIn(number);
    }
    if (number > firstCustom && number <= firstCustom + characters) {
        host_.DrawCustomCharacter(Wrap32(number - firstCustom));
    }
    if (number > firstCustom + characters && number <= firstCustom + characters + layouts) {
        host_.RestoreSavedLayout(Wrap32(number - firstCustom - characters));
    }
    // Looks at the current arrangement, not at `number`: during the
    // demonstration the user's colour goes over the figures' own colours.
    if (!ColorsItsOwnCaptions(settings_.arrage)) {
        ApplyUserCaptionColor();
    }
}

void Dispatcher::CheckSelfArranging() {
    // With auto-arrange or align-to-grid on, today's shells ignore or snap
    // every move, and the user sees nothing happen; the arrangement is
    // performed all the same.
    if (toldOfSelfArranging_) {
        return;
    }
    const DesktopListStyles styles = desktop_.GetDesktopListStyles(desktop_.FindDesktopListView());
    if (styles.autoArrange || styles.snapToGrid) {
        toldOfSelfArranging_ = true;
        host_.NoticeSelfArrangingDesktop(styles);
    }
}

void Dispatcher::OfferToSwitchOffSelfArranging() {
    if (askedToSwitchOff_) {
        return;
    }
    const ListViewHandle listView = desktop_.FindDesktopListView();
    const DesktopListStyles styles = desktop_.GetDesktopListStyles(listView);
    if (!styles.autoArrange && !styles.snapToGrid) {
        return;
    }
    askedToSwitchOff_ = true;
    if (host_.AskToSwitchOffSelfArranging(styles)) {
        desktop_.SwitchOffSelfArranging(listView);
    }
}

void Dispatcher::ChooseArrangement(std::int32_t tag) {
    settings_.arrage = tag;
    Perform(tag, StartedBy::kUser);
}

void Dispatcher::Timer2Timer() {
    host_.SaveSettings();
    if (!ColorsItsOwnCaptions(settings_.arrage)) {
        ApplyUserCaptionColor();
    }
    PerformArrangement(settings_.arrage);
}

void Dispatcher::DemonstrateAll() {
    const std::int64_t total = static_cast<std::int64_t>(kBuiltInArrangementCount) +
                               settings_.customCharacterCount + settings_.customCount;
    for (std::int64_t number = 1; number <= total; ++number) {
        Perform(Wrap32(number), StartedBy::kUser);
        host_.Pause(kDemonstrationPauseSteps);
    }
    desktop_.ShowDesktopWindow(0);
    host_.Pause(kDemonstrationPauseSteps);
    desktop_.ShowDesktopWindow(1);
    host_.Pause(kDemonstrationPauseSteps);
}

void Dispatcher::PerformBuiltIn(std::int32_t number) {
    if (number == kBuiltInArrangementCount) {
        host_.ShowDigitalClock();
        return;
    }
    kBuiltInPatterns[static_cast<std::size_t>(number - 1)](desktop_, host_);
}

void Dispatcher::ApplyUserCaptionColor() {
    ApplyIconTextColors(desktop_, static_cast<ColorRef>(settings_.textColor), kClrNone);
}

}  // namespace tavrel
