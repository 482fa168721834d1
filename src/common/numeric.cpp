#include "common/numeric.h"

#include <cmath>
#include <limits>

namespace tavrel {
namespace {

// A real that has no integer value (NaN) counts as 0; one beyond the 64-bit
// range saturates. Both only arise from degenerate work areas.
std::int64_t ToInt64Saturated(Real integral) {
    if (std::isnan(integral)) {
        return 0;
    }
    constexpr Real kLimit = 9223372036854775808.0L;  // 2^63, exact in extended precision
    if (integral >= kLimit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (integral < -kLimit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(integral);
}

}  // namespace

std::int64_t Round(Real value) {
    // nearbyint follows the current rounding mode, which is to-nearest-even
    // unless someone changed it; rint/round would not give ties-to-even.
    return ToInt64Saturated(std::nearbyint(value));
}

std::int64_t Trunc(Real value) {
    return ToInt64Saturated(std::trunc(value));
}

}  // namespace tavrel
