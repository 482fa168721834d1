// Arrangements 1 to 8: the icons lined up along one screen edge, wrapping
// into further rows or columns when the edge is full.
#pragma once

#include <cstdint>

#include "desktop/desktop.h"

namespace tavrel {

// direction 1 runs left to right (top, bottom) or top to bottom (left,
// right); every other value runs the other way.
void ArrangeTopEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction);
void ArrangeBottomEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction);
void ArrangeLeftEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction);
void ArrangeRightEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction);

}  // namespace tavrel
