// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/rounding.hpp"

#include "runtime/errors.hpp"

namespace runtime {

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
