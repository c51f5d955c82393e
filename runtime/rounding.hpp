// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <cmath>
#include <cstdint>

#include "runtime/errors.hpp"

namespace runtime {

// Rounds to the nearest whole 32-bit number, halves to the even neighbour, so that a draw of
// exactly .5 does not always favour the larger demand. Raises Overflow outside the 32-bit range and
// for NaN. Inline and without a branch on the fraction: every draw rounds, and a branch on a
// random fraction is mispredicted half the time.
inline std::int32_t roundToInt32(double value) {
    // Beside 2^52 a double has no fraction bits, so adding it rounds as the hardware rounds: to
    // the nearest, halves to even. Taking it away again is exact. Values that large are far
    // outside the 32-bit range, whatever the addition does to them.
    constexpr double kNoFraction = 4503599627370496.0;
    const double shift = std::copysign(kNoFraction, value);
    const double rounded = (value + shift) - shift;
    // Written so that NaN fails the test too.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) [[unlikely]] {
        throw Overflow();
    }
    return static_cast<std::int32_t>(rounded);
}

// Remainder of the two operands after rounding each with roundToInt32; the result takes the
// sign of the dividend. Raises DivisionByZero for a divisor that rounds to 0.
std::int32_t remainderOfRounded(double dividend, double divisor);

}  // namespace runtime
