#pragma once

#include <cstdint>

namespace runtime {

// Rounds to the nearest whole 32-bit number, halves to the even neighbour, so that a draw of
// exactly .5 does not always favour the larger demand. Raises Overflow outside the 32-bit range and
// for NaN.
std::int32_t roundToInt32(double value);

// Remainder of the two operands after rounding each with roundToInt32; the result takes the
// sign of the dividend. Raises DivisionByZero for a divisor that rounds to 0.
std::int32_t remainderOfRounded(double dividend, double divisor);

}  // namespace runtime
