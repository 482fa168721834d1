#include "patterns/figures.h"

#include "patterns/frame.h"
#include "patterns/real_math.h"

namespace tavrel {
namespace {

void MoveTruncated(DesktopAccess& desktop, const PatternFrame& frame, std::int64_t index, Real x,
                   Real y) {
    MoveIcon(desktop, frame, index, Trunc32(x), Trunc32(y));
}

std::int32_t LastIndex(const PatternFrame& frame) {
    return Wrap32(static_cast<std::int64_t>(frame.count) - 1);
}

// Red captions on a transparent background, redrawn for every icon.
void ColourCaptionsRed(DesktopAccess& desktop, const PatternFrame& frame) {
    desktop.SetIconTextBackColor(frame.handle, kClrNone);
    desktop.SetIconTextColor(frame.handle, kRed);
    desktop.RedrawDesktopIcons(frame.handle, 0, LastIndex(frame));
}

// The red caption colour is set before the first move too, so the heart
// grows in red.
void ColourCaptionsRedBeforeMoving(DesktopAccess& desktop, const PatternFrame& frame) {
    desktop.SetIconTextColor(frame.handle, kRed);
    desktop.RedrawDesktopIcons(frame.handle, 0, LastIndex(frame));
}

// The heart's parameter for icon i of `count`: icon 0 on the notch, the
// others spread over the turn with a small gap after the notch.
Real HeartParameter(std::int64_t i, std::int64_t count) {
    const Real k = R(count) / 2.0L;
    const Real delta =
        i == 0 ? 0.0L
               : Quotient(Quotient(k * 0.11L - Quotient(R(i) * (k * 0.11L), k), R(count)), 2.0L);
    return (Quotient(R(i), R(count)) + delta) * 6.2831852L;
}

}  // namespace

HeartPoint HeartCurvePoint(Real t, Real turn, Real height) {
    const Real c = Cos(t - kPi);
    return {Cos(t + turn) * ((-2.0L - c) * 0.33L), Sin(t + turn) * ((-1.0L - c) * height)};
}

void ArrangeCross(DesktopAccess& desktop) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    const std::int64_t w = frame.width;
    const std::int64_t h = frame.height;
    const Real n = R(frame.count);
    const Real step = Quotient(R(Wrap32(w + h - 20)), n);
    const std::int64_t rowY = std::int64_t{Div(frame.height, 2)} - 50;
    const std::int64_t columnX = std::int64_t{Div(frame.width, 2)} - 15;
    // The horizontal arm takes the icons below about n * W / (W + H).
    const Real split = Quotient(R(w), R(Wrap32(w + h))) * n - 1.0L;
    for (std::int32_t i = 0; i < frame.count; ++i) {
        const Real d = step * R(i);
        if (R(i) < split) {
            MoveIcon(desktop, frame, i, Round32(Cos(0.0L) * d) + 20, rowY);
        } else {
            const Real e = d - R(w);
            MoveIcon(desktop, frame, i, Round32(Cos(kPi / 2) * e) + columnX,
                     Round32(Sin(kPi / 2) * e) + 30);
        }
    }
}

void ArrangeTaiJi(DesktopAccess& desktop) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    const std::int64_t n = frame.count;
    const std::int64_t q = n / 3;
    const auto [cx, cy, radius] = CurveCentreOf(frame);
    const Real outer = R(cy - 37);
    const Real inner = R(std::int64_t{Div(Wrap32(cy), 2)} - 30);

    if (n > 0) {
        // 1: right half of the outer circle, from the top down.
        if (q > 0) {
            for (std::int64_t i = 1, j = 0; i <= q; ++i, ++j) {
                const Real phi = R(j) * 6.28L / R(2 * q) + 4.75L;
                MoveTruncated(desktop, frame, i, outer * Cos(phi) + R(cx) - 10.0L,
                              outer * Sin(phi) + R(cy) - 25.0L);
            }
        }
        // 2 and 3: the S-shaped divide, one counter running through both.
        std::int64_t j = (n % 3 == 0) ? 2 : 1;
        for (std::int64_t i = q + 1; i <= n / 2; ++i, ++j) {
            const Real phi = R(j) * 6.28L / R(q + 2) + 1.7L;
            MoveTruncated(desktop, frame, i, inner * Cos(phi) + R(cx) - 15.0L,
                          inner * Sin(phi) + R(cy) * 1.3L);
        }
        for (std::int64_t i = n / 2 + 1; i <= n - q - 2; ++i, ++j) {
            const Real phi = 6.28L - (R(j) * 6.28L / R(q + 2) + 1.7L);
            MoveTruncated(desktop, frame, i, inner * Cos(phi) + R(cx) - 15.0L,
                          inner * Sin(phi) + R(cy) * 0.5L);
        }
        // 4: left half of the outer circle, from the top down.
        for (std::int64_t i = n - q - 1, k = 1; i <= n - 2; ++i, ++k) {
            const Real phi = 4.75L - R(k) * 6.28L / R(2 * q);
            MoveTruncated(desktop, frame, i, outer * Cos(phi) + R(cx) - 10.0L,
                          outer * Sin(phi) + R(cy) - 25.0L);
        }
        // The eyes; with one icon, icon 0 ends on the upper one.
        MoveIcon(desktop, frame, n - 1, cx - 10, Div(Wrap32(5 * cy), 4) + 40);
        MoveIcon(desktop, frame, 0, cx - 10, Div(Wrap32(cy), 4) + 35);
    }

    // One caption colour at a time: each group shows its colour because it
    // is redrawn while that colour is in force.
    desktop.SetIconTextBackColor(frame.handle, kClrNone);
    desktop.SetIconTextColor(frame.handle, kWhite);
    desktop.RedrawDesktopIcons(frame.handle, 0, Wrap32(q));
    desktop.SetIconTextBackColor(frame.handle, kClrNone);
    desktop.SetIconTextColor(frame.handle, kBlack);
    desktop.RedrawDesktopIcons(frame.handle, Wrap32(q + 1), LastIndex(frame));
}

void ArrangeSpiral(DesktopAccess& desktop, const PauseFunction& pause) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    if (frame.count <= 0) {
        return;
    }
    const Real n = R(frame.count);
    const auto [cx, cy, radius] = CurveCentreOf(frame);
    // A work area under about 20 pixels leaves no room to wind in; the
    // spiral then stays on its innermost ring instead of taking the root
    // of a negative number.
    const Real reach = std::sqrt(R(radius - 10 > 0 ? radius - 10 : 0));
    const bool threeTurns = frame.count > 20;
    for (std::int32_t i = 0; i < frame.count; ++i) {
        const Real t = (reach / n) * R(i);
        const std::int64_t rho = Trunc32(t * t);
        const Real phi = threeTurns ? (-18.84L / n) * R(i) - 1.3L : (-12.56L / n) * R(i) - 1.4L;
        const std::int64_t x = std::int64_t{Trunc32(Cos(phi) * R(rho + 50))} + cx - 10;
        const std::int64_t y = std::int64_t{Trunc32(Sin(phi) * R(rho + 50))} + cy - 25;
        MoveIcon(desktop, frame, i, x, y);
        pause(kSpiralPauseSteps);
    }
}

void ArrangeHeart(DesktopAccess& desktop) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    ColourCaptionsRedBeforeMoving(desktop, frame);
    const auto [cx, cy, radius] = CurveCentreOf(frame);
    for (std::int32_t i = 0; i < frame.count; ++i) {
        const HeartPoint unit = HeartCurvePoint(HeartParameter(i, frame.count), 1.57L, 0.85L);
        MoveTruncated(desktop, frame, i, R(cx - 37) * unit.x + R(cx) - 10.0L,
                      R(cy - 37) * unit.y + R(cy) - R(2 * cy) / 3.0L - 20.0L);
    }
    ColourCaptionsRed(desktop, frame);
}

void ArrangeTwoHearts(DesktopAccess& desktop, std::int32_t variant) {
    const PatternFrame frame = OpenPatternFrame(desktop);
    ColourCaptionsRedBeforeMoving(desktop, frame);
    const std::int64_t n = frame.count;
    const std::int64_t w = frame.width;
    const std::int64_t h = frame.height;
    const auto [cx, cy, radius] = CurveCentreOf(frame);
    // A, the smaller heart, has its notch at (W / 3, H / 3 - 20); B, larger,
    // at (2W / 3 - 40, H / 10).
    const auto placeA = [&](std::int64_t index, HeartPoint unit) {
        MoveTruncated(desktop, frame, index, (R(Wrap32(2 * cx)) / 3.0L) * unit.x + R(w) / 3.0L,
                      (R(Wrap32(3 * cy)) / 5.0L) * unit.y + R(h) / 3.0L - 20.0L);
    };
    const auto placeB = [&](std::int64_t index, HeartPoint unit) {
        MoveTruncated(desktop, frame, index,
                      (R(Wrap32(2 * cx)) / 3.0L + 30.0L) * unit.x + R(Wrap32(2 * w)) / 3.0L - 40.0L,
                      (R(Wrap32(3 * cy)) / 5.0L + 20.0L) * unit.y + R(h) / 10.0L);
    };
    const std::int64_t m = n / 2;
    if (variant == 1) {
        // Crossed: one parameter runs on into a second turn for B, so B's
        // icons sit offset along the curve against A's.
        for (std::int64_t i = 0; i < n; ++i) {
            const HeartPoint unit = HeartCurvePoint(HeartParameter(i, m), 1.57L, 0.98L);
            if (i < m) {
                placeA(i, unit);
            } else {
                placeB(i, unit);
            }
        }
    } else {
        // Side by side: A shows only part of its curve, drawn with a
        // different turn.
        const std::int64_t big = (7 * m) / 6 + 2;
        const std::int64_t offset = big / 3 + 2;
        const std::int64_t partial = (2 * big) / 3;
        const std::int64_t onA = partial < n ? partial : (n > 0 ? n : 0);
        for (std::int64_t j = 0; j < onA; ++j) {
            const Real u = (R(offset + j) / R(big)) * 6.2831852L;
            placeA(j, HeartCurvePoint(u, 1.75L, 0.98L));
        }
        for (std::int64_t i = partial; i < n; ++i) {
            const Real u = (R(i - (partial + 9)) / R(big)) * 6.2831852L;
            placeB(i, HeartCurvePoint(u, 1.57L, 0.98L));
        }
    }
    ColourCaptionsRed(desktop, frame);
}

}  // namespace tavrel
