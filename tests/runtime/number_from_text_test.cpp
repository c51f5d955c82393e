// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/number_from_text.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using runtime::numberFromText;

struct Row {
    const char* name;
    std::string text;
    double expected;
};

const double kInf = std::numeric_limits<double>::infinity();

TEST(NumberFromText, ReadsTheLeadingNumber) {
    const Row rows[] = {
        {"plain whole number", "100", 100},
        {"comma is not a separator", "1,5", 1},
        {"letters", "abc", 0},
        {"empty text", "", 0},
        {"blank between digits", " 1 0 0", 100},
        {"tabs and line feeds skipped", "\t\n1\t2\n", 12},
        {"carriage return stops", "\r5", 0},
        {"minus sign", "-3", -3},
        {"plus sign", "+7", 7},
        {"blank after sign", "- 5", -5},
        {"double sign", "--5", 0},
        {"fraction", "100.4", 100.4},
        {"leading point", ".5", 0.5},
        {"trailing point", "5.", 5},
        {"point alone", ".", 0},
        {"sign alone", "-", 0},
        {"second point stops", "1.2.3", 1.2},
        {"trailing letters", "12abc", 12},
        {"exponent", "1e3", 1000},
        {"capital exponent with sign", "1E+2", 100},
        {"negative exponent", "25e-2", 0.25},
        {"exponent without digits", "1e", 1},
        {"exponent sign without digits", "1e+", 1},
        {"blanks inside exponent", "1 e - 2", 0.01},
        {"second exponent stops", "1e5e3", 1e5},
        {"exponent without mantissa", "e5", 0},
        {"four characters out of 32-bit range", "9E99", 9e99},
        {"too large for a double", "1e999", kInf},
        {"too large negative", "-1e999", -kInf},
        {"too small for a double", "1e-999", 0},
        {"huge exponent digits", "1e99999999999999999999", kInf},
        {"huge negative exponent digits", "1e-99999999999999999999", 0},
        {"zero with huge exponent", "0e99999", 0},
        {"many leading zeros", std::string(10000, '0') + "5", 5},
        {"tiny fraction scaled back", "0." + std::string(400, '0') + "1e401", 1},
        {"more digits than a double holds", std::string(400, '9'), kInf},
        {"full-width digit is not a digit", "\xEF\xBC\x95", 0},
        {"no-break space is not skipped",
         "\xC2\xA0"
         "5",
         0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(numberFromText(row.text), row.expected);
    }
}

TEST(NumberFromText, MinusZeroCompareAsZero) {
    EXPECT_EQ(numberFromText("-0"), 0.0);
    EXPECT_FALSE(numberFromText("-0") > 0);
}

TEST(NumberFromText, LongTextsAreReadWithoutTrouble) {
    std::string digits(1 << 20, '7');
    EXPECT_EQ(numberFromText(digits), kInf);
    std::string blanks(1 << 20, ' ');
    EXPECT_EQ(numberFromText(blanks + "42" + blanks), 42);
    std::string exponents(1 << 20, 'e');
    EXPECT_EQ(numberFromText("3" + exponents), 3);
}

}  // namespace
