#include "patterns/circles.h"

#include "patterns/frame.h"
#include "patterns/real_math.h"

namespace tavrel {
namespace {

// These figures cut their offsets from the centre toward zero, not to the
// nearest: the shortened full turn leaves Sin and Cos a hair short of 1 at
// the quarter turns, and the figures' exact places depend on it.
std::int64_t Offset(Real value) {
    return Trunc32(value);
}

}  // namespace

void ArrangeHalfCircle(DesktopAccess& desktop, std::int32_t variant) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const auto [cx, cy, radius] = CurveCentreOf(frame);
    const Real rho = R(radius) * 1.2L;
    const Real n = R(frame.count);
    const bool upper = variant == 0;
    const std::int64_t centreY = upper ? cy + Div(Wrap32(cy), 2) : cy - 2 * Div(Wrap32(cy), 3);
    for (std::int32_t i = 0; i < frame.count; ++i) {
        // Equal steps of pi / n with half a step free at both ends.
        const Real beta = ((1.0L / n) / 2.0L + 1.0L) * kPi + (R(i) / n) * kPi;
        const Real theta = upper ? beta : beta + kPi + 0.01L;
        const std::int64_t x = Offset(Cos(theta) * rho) + cx - 15;
        const std::int64_t y = Offset(Sin(theta) * rho) + centreY;
        MoveIcon(desktop, frame, i, x, y);
    }
}

void ArrangeCircle(DesktopAccess& desktop, std::int32_t variant) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const auto [cx, cy, radius] = CurveCentreOf(frame);
    const Real n = R(frame.count);
    const bool circle = variant == 1;
    const Real radiusX = R(circle ? radius - 37 : cx - 37);
    const Real radiusY = R(circle ? radius - 37 : cy - 37);
    const std::int64_t centreX = circle ? cx - 10 : cx - 15;
    const std::int64_t centreY = circle ? cy - 25 : cy - 20;
    for (std::int32_t i = 0; i < frame.count; ++i) {
        // The full turn is written with the shortened pi, the start with
        // the full one.
        const Real theta = (R(i) / n) * 6.2831852L + kPi;
        const std::int64_t x = Offset(Cos(theta) * radiusX) + centreX;
        const std::int64_t y = Offset(Sin(theta) * radiusY) + centreY;
        MoveIcon(desktop, frame, i, x, y);
    }
}

}  // namespace tavrel
