// Real arithmetic of the figures, in x87 extended precision.
#pragma once

#include <cmath>

#include "common/numeric.h"

namespace tavrel {

inline constexpr Real kPi = 3.141592653589793238462643383279502884L;

inline Real Sin(Real angle) {
    return std::sin(angle);
}
inline Real Cos(Real angle) {
    return std::cos(angle);
}

// A real quotient whose divisor is 0 only on a degenerate work area (no
// width, no height) or with too few icons for a figure's part; it counts
// as 0 there, which keeps every position a plain number.
inline Real Quotient(Real dividend, Real divisor) {
    return divisor == 0 ? 0.0L : dividend / divisor;
}

// The real value of a 32-bit integer, exactly.
inline Real R(std::int64_t value) {
    return static_cast<Real>(value);
}

}  // namespace tavrel
