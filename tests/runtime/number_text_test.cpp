// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/number_text.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

using runtime::textOfDouble;

struct Row {
    const char* name;
    double value;
    const char* withPoint;
    const char* withComma;
};

TEST(TextOfDouble, FifteenSignificantDigitsWithTheCallersSeparator) {
    const Row rows[] = {
        {"zero", 0.0, "0", "0"},
        {"minus zero", -0.0, "0", "0"},
        {"whole hundred", 100.0, "100", "100"},
        {"one in three", 1.0 / 3.0 * 100, "33.3333333333333", "33,3333333333333"},
        {"rounded up last digit", 2.0 / 3.0 * 100, "66.6666666666667", "66,6666666666667"},
        {"one in seven", 1.0 / 7.0, "0.142857142857143", "0,142857142857143"},
        {"binary noise rounded away", 0.1 + 0.2, "0.3", "0,3"},
        {"rounding carries to a whole value", 9.9999999999999999, "10", "10"},
        {"negative fraction", -1.25, "-1.25", "-1,25"},
        {"fifteen whole digits", 123456789012345.0, "123456789012345", "123456789012345"},
        {"sixteen whole digits take the exponent", 1e15, "1E+15", "1E+15"},
        {"large with fraction digits", 1.5e20, "1.5E+20", "1,5E+20"},
        {"three-digit exponent", 1e100, "1E+100", "1E+100"},
        {"smallest fixed value", 1e-4, "0.0001", "0,0001"},
        {"small values take the exponent", 1e-5, "1E-05", "1E-05"},
        {"small with fraction digits", 1.5e-7, "1.5E-07", "1,5E-07"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(textOfDouble(row.value, "."), row.withPoint);
        EXPECT_EQ(textOfDouble(row.value, ","), row.withComma);
    }
}

TEST(TextOfDouble, ValuesWithoutDigitsStillGiveText) {
    EXPECT_EQ(textOfDouble(std::numeric_limits<double>::quiet_NaN(), "."), "NaN");
    EXPECT_EQ(textOfDouble(std::numeric_limits<double>::infinity(), "."), "Infinity");
    EXPECT_EQ(textOfDouble(-std::numeric_limits<double>::infinity(), "."), "-Infinity");
}

TEST(TextOfInt16, PlainDigitsAndMinus) {
    EXPECT_EQ(runtime::textOfInt16(0), "0");
    EXPECT_EQ(runtime::textOfInt16(10000), "10000");
    EXPECT_EQ(runtime::textOfInt16(std::numeric_limits<std::int16_t>::max()), "32767");
    EXPECT_EQ(runtime::textOfInt16(std::numeric_limits<std::int16_t>::min()), "-32768");
}

}  // namespace
