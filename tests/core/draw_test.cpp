// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/draw.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/model.hpp"

namespace {

struct CeilingRow {
    const char* name;
    double ceiling;
    std::optional<std::int32_t> rounded;
};

// Where the tick draws and where it stops with "nothing to draw": the two must agree with
// whatever predicts or pictures a draw.
TEST(RoundedCeiling, RoundsAsTheDrawOrSaysNothingCanBeDrawn) {
    const double infinity = std::numeric_limits<double>::infinity();
    const CeilingRow rows[] = {
        {"whole", 110, 110},
        {"half rounds to even, down", 110.5, 110},
        {"half rounds to even, up", 111.5, 112},
        {"just above a half", 110.500001, 111},
        {"negative keeps its sign", -5.5, -6},
        {"0.5 rounds to 0: nothing to draw", 0.5, std::nullopt},
        {"-0.4 rounds to 0 too", -0.4, std::nullopt},
        {"the largest 32-bit number", 2147483647.0, 2147483647},
        {"one past it", 2147483648.0, std::nullopt},
        {"the smallest 32-bit number", -2147483648.0, std::numeric_limits<std::int32_t>::min()},
        {"infinity", infinity, std::nullopt},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), std::nullopt},
    };
    for (const CeilingRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(core::roundedCeiling(row.ceiling), row.rounded);
    }
}

// The remainder by a negative ceiling takes as many values as by its size, the smallest
// 32-bit ceiling included, whose size no 32-bit number holds.
TEST(DrawableDemands, AreTheSizeOfTheRoundedCeiling) {
    EXPECT_EQ(core::drawableDemands(110.4), 110);
    EXPECT_EQ(core::drawableDemands(-5.5), 6);
    EXPECT_EQ(core::drawableDemands(-2147483648.0), std::int64_t{2147483648});
    EXPECT_EQ(core::drawableDemands(0.5), std::nullopt);
    EXPECT_EQ(core::drawableDemands(9e99), std::nullopt);
}

struct DrawRow {
    const char* name;
    std::string capacity;
    std::string overselling;
    std::optional<std::int16_t> situation;
    double capacityRead;
    double ceiling;
};

TEST(DrawCeiling, IsTheCapacityRaisedByTheOversellingOnlyInThatCase) {
    const DrawRow rows[] = {
        {"unset case counts as overselling", "100", "10", std::nullopt, 100, 110},
        {"overselling", "100", "10", 0, 100, 110},
        {"safety margin ignores the overselling", "100", "10", 1, 100, 100},
        {"text read as the tick reads it", " 1 00abc", "5", 0, 100, 105},
        {"empty capacity reads as 0", "", "10", 0, 0, 0},
        {"negative overselling lowers it", "100", "-50", 0, 100, 50},
    };
    for (const DrawRow& row : rows) {
        SCOPED_TRACE(row.name);
        core::Model model;
        model.setText(core::Text1(2), row.capacity);
        model.setText(core::Text2(0), row.overselling);
        model.Situation = row.situation;
        EXPECT_EQ(core::isOverselling(model), row.situation.value_or(0) == 0);
        EXPECT_DOUBLE_EQ(core::capacity(model), row.capacityRead);
        EXPECT_DOUBLE_EQ(core::drawCeiling(model), row.ceiling);
    }
}

}  // namespace
