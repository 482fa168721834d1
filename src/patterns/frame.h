// What every figure reads before it moves the first icon: the list view,
// the icon count and the size of the work area. Nothing is kept between
// two arrangements.
#pragma once

#include <cstdint>

#include "common/numeric.h"
#include "desktop/desktop.h"

namespace tavrel {

struct PatternFrame {
    ListViewHandle handle;
    std::int32_t count = 0;   // n
    std::int32_t width = 0;   // W = right - left
    std::int32_t height = 0;  // H = bottom - top
};

// Only the work area's size counts: positions are measured from the list
// view's origin, so a taskbar at the top or left shrinks the figure but does
// not shift it.
PatternFrame OpenPatternFrame(DesktopAccess& desktop);

// Moves icon `index` to (x, y), each computed exactly and kept to the 32
// bits a position has; only their low 16 bits reach the list view.
inline void MoveIcon(DesktopAccess& desktop, const PatternFrame& frame, std::int64_t index,
                     std::int64_t x, std::int64_t y) {
    desktop.MoveDesktopIcon(frame.handle, Wrap32(index), Wrap32(x), Wrap32(y));
}

// Half sizes of the curve figures: Round(W / 2.0), Round(H / 2.0).
std::int32_t HalfRounded(std::int32_t size);

// The centre of the curve figures and the smaller half size.
struct CurveCentre {
    std::int64_t cx;
    std::int64_t cy;
    std::int64_t radius;  // the smaller of cx and cy
};
CurveCentre CurveCentreOf(const PatternFrame& frame);

}  // namespace tavrel
