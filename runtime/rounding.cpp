// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/rounding.hpp"

#include <cmath>

#include "runtime/errors.hpp"

namespace runtime {

std::int32_t roundToInt32(double value) {
    const double below = std::floor(value);
    const double fraction = value - below;
    double rounded = below;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        rounded = below + 1.0;
    }
    // Written so that NaN fails the test too.
    if (!(rounded >= -2147483648.0 && rounded <= 2147483647.0)) {
        throw Overflow();
    }
    return static_cast<std::int32_t>(rounded);
}

std::int32_t remainderOfRounded(double dividend, double divisor) {
    const std::int32_t a = roundToInt32(dividend);
    const std::int32_t b = roundToInt32(divisor);
    if (b == 0) {
        throw DivisionByZero();
    }
    // INT32_MIN % -1 is undefined in C++; the remainder by -1 is always 0.
    if (b == -1) {
        return 0;
    }
    return a % b;
}

}  // namespace runtime
