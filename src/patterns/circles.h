// Arrangements 19 to 22: icons at equal angular steps on half circles, a
// circle and an ellipse.
#pragma once

#include <cstdint>

#include "desktop/desktop.h"

namespace tavrel {

// 0: the upper half of a circle centred low on the screen, left to right;
// other values: the lower half of one centred high, right to left.
void ArrangeHalfCircle(DesktopAccess& desktop, std::int32_t variant);
// 1: a circle around the screen centre; other values: an ellipse filling
// the work area. Both start at the leftmost point and run clockwise.
void ArrangeCircle(DesktopAccess& desktop, std::int32_t variant);

}  // namespace tavrel
