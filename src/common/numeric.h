// Integer and real arithmetic shared by every figure.
//
// The figures are defined on 32-bit integers that wrap silently and on x87
// extended reals. Everything here is total: no input, however large, NaN or
// infinite, leads to undefined behaviour.
#pragma once

#include <cfloat>
#include <cstdint>

namespace tavrel {

static_assert(LDBL_MANT_DIG == 64,
              "figures are computed in x87 80-bit extended precision; this compiler's long double "
              "is something else");

using Real = long double;

// The low 32 bits of an exact integer result, as two's complement: what a
// 32-bit machine without overflow checks keeps.
constexpr std::int32_t Wrap32(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(value)));
}

// Integer quotient, truncated toward zero (-7 div 2 = -3). A zero divisor
// gives 0 instead of a trap, and the one overflowing quotient wraps.
constexpr std::int32_t Div(std::int32_t dividend, std::int32_t divisor) {
    if (divisor == 0) {
        return 0;
    }
    return Wrap32(static_cast<std::int64_t>(dividend) / divisor);
}

// Round to the nearest integer, ties to the even neighbour (2.5 -> 2).
std::int64_t Round(Real value);
// Toward zero (-3.7 -> -3).
std::int64_t Trunc(Real value);

// The same, kept to 32 bits the way a 32-bit integer variable keeps them.
inline std::int32_t Round32(Real value) {
    return Wrap32(Round(value));
}
inline std::int32_t Trunc32(Real value) {
    return Wrap32(Trunc(value));
}

}  // namespace tavrel
