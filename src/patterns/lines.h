// Arrangements 9 to 18: straight lines, diagonals, parallel lines, a
// triangle, a square and concentric rectangles.
#pragma once

#include <cstdint>

#include "desktop/desktop.h"

namespace tavrel {

// 1: horizontal line across the middle; other values: vertical line.
void ArrangeStraightLine(DesktopAccess& desktop, std::int32_t variant);
// 1: from the upper left down; other values: from the lower left up.
void ArrangeDiagonal(DesktopAccess& desktop, std::int32_t variant);
// variant is the side the walk starts on: 1 the left column, 2 the top row
// (3 the right column, 4 the bottom row; anything else counts as 2).
void ArrangeParallelLines(DesktopAccess& desktop, std::int32_t spacing, std::int32_t variant);
void ArrangeTriangle(DesktopAccess& desktop);
void ArrangeSquare(DesktopAccess& desktop);
void ArrangeRectangleDown(DesktopAccess& desktop, std::int32_t spacing);
void ArrangeRectangleAcross(DesktopAccess& desktop, std::int32_t spacing);

}  // namespace tavrel
