#include "patterns/frame.h"

namespace tavrel {

PatternFrame OpenPatternFrame(DesktopAccess& desktop) {
    PatternFrame frame;
    frame.handle = desktop.FindDesktopListView();
    frame.count = desktop.GetDesktopIconCount(frame.handle);
    const WorkAreaRect area = desktop.GetDesktopWorkArea();
    frame.width = Wrap32(static_cast<std::int64_t>(area.right) - area.left);
    frame.height = Wrap32(static_cast<std::int64_t>(area.bottom) - area.top);
    return frame;
}

std::int32_t HalfRounded(std::int32_t size) {
    return Round32(static_cast<Real>(size) / 2.0L);
}

}  // namespace tavrel

namespace tavrel {

CurveCentre CurveCentreOf(const PatternFrame& frame) {
    const std::int64_t cx = HalfRounded(frame.width);
    const std::int64_t cy = HalfRounded(frame.height);
    return {cx, cy, cy <= cx ? cy : cx};
}

}  // namespace tavrel
