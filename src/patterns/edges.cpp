#include "patterns/edges.h"

#include "patterns/frame.h"

namespace tavrel {
namespace {

enum class Edge { kTop, kBottom, kLeft, kRight };

struct Point64 {
    std::int64_t x;
    std::int64_t y;
};

// Slot `slot` of line `line`. Icons along a horizontal edge stand P + 2
// apart and rows P apart; along a vertical edge icons stand P apart and
// columns P + 2 apart. Direction 2 of the vertical edges starts at slot
// `lastSlot`, the largest multiple of P not above H - 30, so it ends at
// y = 0.
Point64 EdgeSlot(Edge edge, bool forward, const PatternFrame& frame, std::int64_t spacing,
                 std::int64_t lastSlot, std::int64_t slot, std::int64_t line) {
    const std::int64_t across = spacing + 2;
    const std::int64_t width = frame.width;
    const std::int64_t height = frame.height;
    const std::int64_t alongTop = forward ? 22 + across * slot : width - 50 - across * slot;
    const std::int64_t alongLeft = forward ? 2 + spacing * slot : spacing * (lastSlot - slot);
    switch (edge) {
        case Edge::kTop:
            return {alongTop, 2 + spacing * line};
        case Edge::kBottom:
            return {alongTop, height + 2 - spacing * line};
        case Edge::kLeft:
            return {22 + across * line, alongLeft};
        case Edge::kRight:
            return {width + 22 - across * line, alongLeft};
    }
    return {0, 0};
}

void ArrangeAlongEdge(DesktopAccess& desktop, Edge edge, std::int32_t spacing,
                      std::int32_t direction) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    const bool horizontal = edge == Edge::kTop || edge == Edge::kBottom;
    const std::int64_t step = horizontal ? static_cast<std::int64_t>(spacing) + 2 : spacing;
    const std::int32_t limit = horizontal ? Wrap32(static_cast<std::int64_t>(frame.width) - 31)
                                          : Wrap32(static_cast<std::int64_t>(frame.height) - 30);
    const bool forward = direction == 1;
    const std::int64_t lastSlot =
        Div(Wrap32(static_cast<std::int64_t>(frame.height) - 30), spacing);

    std::int64_t slot = 0;
    std::int64_t line = (edge == Edge::kTop || edge == Edge::kLeft) ? 0 : 1;
    for (std::int32_t index = 0; index < frame.count; ++index) {
        // Tested before the icon is placed, and strictly: a slot whose offset
        // equals the limit is still used.
        if (Wrap32(Wrap32(step) * slot) > limit) {
            slot = 0;
            ++line;
        }
        const Point64 at = EdgeSlot(edge, forward, frame, spacing, lastSlot, slot, line);
        MoveIcon(desktop, frame, index, at.x, at.y);
        ++slot;
    }
}

}  // namespace

void ArrangeTopEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction) {
    ArrangeAlongEdge(desktop, Edge::kTop, spacing, direction);
}

void ArrangeBottomEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction) {
    ArrangeAlongEdge(desktop, Edge::kBottom, spacing, direction);
}

void ArrangeLeftEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction) {
    ArrangeAlongEdge(desktop, Edge::kLeft, spacing, direction);
}

void ArrangeRightEdge(DesktopAccess& desktop, std::int32_t spacing, std::int32_t direction) {
    ArrangeAlongEdge(desktop, Edge::kRight, spacing, direction);
}

}  // namespace tavrel
