// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/draw.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/model.hpp"
#include "core/tick.hpp"
#include "scripted_random.hpp"

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

struct OversellingRow {
    std::string capacity;
    std::string overselling;
};

// Whatever predicts the draw for another percentage must land on the very ceiling the tick
// would draw under, to the last bit: a ceiling on a rounding edge decides the demands.
TEST(CeilingFor, IsTheCeilingTheTickDrawsUnderWhenOverselling) {
    const OversellingRow rows[] = {
        {"100", "10"}, {"100", "7"},   {"9999", "99"}, {"1", "50"}, {"3", "33.3333333333333"},
        {"100", "0"},  {"250", "-20"},
    };
    for (const OversellingRow& row : rows) {
        SCOPED_TRACE(row.capacity + " " + row.overselling);
        core::Model model;
        model.setText(core::Text1(2), row.capacity);
        model.setText(core::Text2(0), row.overselling);
        EXPECT_EQ(core::ceilingFor(core::capacity(model), std::stod(row.overselling)),
                  core::drawCeiling(model));
    }
}

// The product is worked out as the program always has, raising by a factor 1 + p/100: with
// 1.1 not exact in binary, 55 at 10 % lands a hair above 60.5 and draws up to 60, where 55 +
// 5.5 would land on 60.5 itself and round to the even 60.
TEST(CeilingFor, RaisesByTheFactorAsTheProgramAlwaysHas) {
    EXPECT_GT(core::ceilingFor(55, 10), 60.5);
    EXPECT_EQ(core::roundedCeiling(core::ceilingFor(55, 10)), 61);
    EXPECT_GT(core::ceilingFor(100, 10), 110);
    EXPECT_EQ(core::ceilingFor(100, 0), 100);
    EXPECT_EQ(core::ceilingFor(250, -20), 200);
}

struct DemandRow {
    const char* name;
    float random;
    double ceiling;
    std::int16_t demand;
};

TEST(DemandOf, IsTheRemainderOfTheScaledDraw) {
    const DemandRow rows[] = {
        {"below the ceiling", testing_support::drawOf(105), 110, 105},
        {"wraps above it", testing_support::drawOf(115), 110, 5},
        {"the largest value scales to 10000", 0.99999994F, 110, 100},
        {"zero", 0.0F, 110, 0},
        // Just below 5.5 in double precision, exactly 5.5 in single, which rounds to even 6.
        {"scaled in single precision", 0.00055F, 110, 6},
        {"a half rounds to even, down", 0.00125F, 110, 12},
        {"a negative ceiling by its size", testing_support::drawOf(10), -7, 3},
        {"the ceiling rounds half to even", testing_support::drawOf(111), 110.5, 1},
    };
    for (const DemandRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(core::demandOf(row.random, row.ceiling), row.demand);
    }
}

// The tick draws through demandOf; this catches a tick that scales or rounds on its own.
TEST(DemandOf, IsWhatTheTickDraws) {
    const std::vector<float> values = {0.0F,    0.00055F, 0.00125F, 0.0105F,
                                       0.0115F, 0.5F,     0.73215F, 0.99999994F};
    core::Model model;
    model.setText(core::Text1(2), "100");
    model.setText(core::Text2(0), "10");
    model.TickCount = 0;
    testing_support::ScriptedRandom random(values);
    for (const float value : values) {
        SCOPED_TRACE(value);
        ASSERT_EQ(core::Timer1_Timer(model, random), std::nullopt);
        EXPECT_EQ(model.statistics.firstDraws().back().demand,
                  core::demandOf(value, core::drawCeiling(model)));
    }
}

// The runner's draw, rounded once, is the tick's draw for every value the generator gives (every
// seventh of them here), under ceilings small, large, negative and at the 32-bit ends.
TEST(CeilingDraw, IsDemandOfForEveryGeneratorValue) {
    for (const double ceiling :
         {1.0, -1.0, 3.6, 110.0, -110.0, 5500.0, 10001.0, 2147483647.0, -2147483648.0}) {
        SCOPED_TRACE(ceiling);
        const auto draw = core::CeilingDraw::under(ceiling);
        ASSERT_TRUE(draw.has_value());
        for (std::uint32_t k = 0; k < (1U << 24U); k += 7) {
            const float random = static_cast<float>(k) / 16777216.0F;
            ASSERT_EQ(draw->demand(random), core::demandOf(random, ceiling)) << k;
        }
    }
    EXPECT_FALSE(core::CeilingDraw::under(0.4).has_value());
    EXPECT_FALSE(core::CeilingDraw::under(3e9).has_value());
}

}  // namespace
