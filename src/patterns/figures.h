// Arrangements 23 to 28: a cross, a yin-yang figure, a spiral and hearts.
// The yin-yang figure and the hearts colour the icon captions themselves.
#pragma once

#include <cstdint>

#include "common/busy_pause.h"
#include "common/numeric.h"
#include "desktop/desktop.h"

namespace tavrel {

inline constexpr ColorRef kWhite = 0x00FFFFFF;
inline constexpr ColorRef kBlack = 0x00000000;
inline constexpr ColorRef kRed = 0x000000FF;

void ArrangeCross(DesktopAccess& desktop);
// Outer circle, S-shaped divide and two eyes; white and black captions.
void ArrangeTaiJi(DesktopAccess& desktop);
// From the centre outward, with a busy pause after every icon so that the
// user sees the spiral being laid out.
void ArrangeSpiral(DesktopAccess& desktop, const PauseFunction& pause);
// One heart with red captions.
void ArrangeHeart(DesktopAccess& desktop);
// 1: two crossed hearts, half the icons each; other values: side by side,
// the left one partly drawn. Red captions.
void ArrangeTwoHearts(DesktopAccess& desktop, std::int32_t variant);

struct HeartPoint {
    Real x;
    Real y;
};
// The unit heart: t = 0 is the notch at the top, growing t runs clockwise
// over the right lobe to the tip and back up the left lobe.
HeartPoint HeartCurvePoint(Real t, Real turn, Real height);

}  // namespace tavrel
