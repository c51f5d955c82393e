// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/rounding.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>

#include "runtime/errors.hpp"

namespace {

using runtime::remainderOfRounded;
using runtime::roundToInt32;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct RoundRow {
    const char* name;
    double value;
    std::optional<std::int32_t> expected;  // unset: raises Overflow
};

TEST(RoundToInt32, HalvesGoToEvenAndRangeIsChecked) {
    const RoundRow rows[] = {
        {"half to even downwards", 2.5, 2},
        {"half to even upwards", 1.5, 2},
        {"half of zero", 0.5, 0},
        {"negative half to zero", -0.5, 0},
        {"negative half to even", -1.5, -2},
        {"negative half to even upwards", -2.5, -2},
        {"just below a half", 2.4999999, 2},
        {"just above a half", 2.5000001, 3},
        {"fraction of the raw draw", 9999.9994, 10000},
        {"largest 32-bit number", 2147483647.4, 2147483647},
        {"rounds past the largest", 2147483647.5, std::nullopt},
        {"most negative, half to even", -2147483648.5, -2147483647 - 1},
        {"below the most negative", -2147483648.6, std::nullopt},
        {"four typed characters", 9e99, std::nullopt},
        {"not a number", kNaN, std::nullopt},
        {"infinity", kInf, std::nullopt},
        {"negative infinity", -kInf, std::nullopt},
    };
    for (const RoundRow& row : rows) {
        SCOPED_TRACE(row.name);
        if (row.expected) {
            EXPECT_EQ(roundToInt32(row.value), *row.expected);
        } else {
            EXPECT_THROW(roundToInt32(row.value), runtime::Overflow);
        }
    }
}

enum class Raises { Nothing, Overflow, DivisionByZero };

struct RemainderRow {
    const char* name;
    double dividend;
    double divisor;
    std::int32_t expected;
    Raises raises;
};

TEST(RemainderOfRounded, SignOfTheDividendAndTotalOverAllPairs) {
    const RemainderRow rows[] = {
        {"plain", 7, 3, 1, Raises::Nothing},
        {"negative dividend", -7, 3, -1, Raises::Nothing},
        {"negative divisor keeps dividend sign", 7, -3, 1, Raises::Nothing},
        {"operands rounded first", 9999.5, 110.4, 10000 % 110, Raises::Nothing},
        {"divisor rounded up", 5, 1.5, 1, Raises::Nothing},
        {"raw draw of 10000 by 101", 10000, 101, 1, Raises::Nothing},
        {"most negative by minus one", -2147483648.0, -1, 0, Raises::Nothing},
        {"divisor rounds to zero", 5, 0.5, 0, Raises::DivisionByZero},
        {"negative divisor rounds to zero", 5, -0.4, 0, Raises::DivisionByZero},
        {"zero divisor", 5, 0, 0, Raises::DivisionByZero},
        {"dividend out of range", 1e10, 3, 0, Raises::Overflow},
        {"divisor out of range", 5, 9e99, 0, Raises::Overflow},
        {"divisor not a number", 5, kNaN, 0, Raises::Overflow},
    };
    for (const RemainderRow& row : rows) {
        SCOPED_TRACE(row.name);
        switch (row.raises) {
            case Raises::Nothing:
                EXPECT_EQ(remainderOfRounded(row.dividend, row.divisor), row.expected);
                break;
            case Raises::Overflow:
                EXPECT_THROW(remainderOfRounded(row.dividend, row.divisor), runtime::Overflow);
                break;
            case Raises::DivisionByZero:
                EXPECT_THROW(remainderOfRounded(row.dividend, row.divisor),
                             runtime::DivisionByZero);
                break;
        }
    }
}

}  // namespace
