// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/expected_share.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <string>
#include <vector>

#include "core/model.hpp"
#include "core/reset.hpp"
#include "core/tick.hpp"
#include "scripted_random.hpp"

namespace {

struct ShareRow {
    const char* name;
    std::string capacity;
    std::string overselling;
    bool safetyCase;
    std::optional<std::int64_t> units;  // of 1/20000
};

std::optional<double> expectedFor(const ShareRow& row) {
    core::Model model;
    model.setText(core::Text1(2), row.capacity);
    model.setText(core::Text2(0), row.overselling);
    model.setText(core::Text2(1), "10");
    if (row.safetyCase) {
        model.Situation = 1;
    }
    return core::expectedSharePercent(model);
}

// Units, as percent: 1620 units are 8.10 %, one unit is 0.005 %.
const ShareRow kRows[] = {
    {"ten percent at capacity 100 (naive 8.18 %)", "100", "10", false, 1620},
    {"capacity 9999 only overloads at r = 10000 (naive 9.08 %)", "9999", "10", false, 1},
    {"ninety-nine percent at 9999 likewise", "9999", "99", false, 1},
    {"one percent at 100: ceiling 101, demand at most 100", "100", "1", false, 0},
    {"fifty percent at 100 (naive 32.67 %)", "100", "50", false, 6468},
    {"ninety-nine percent at 5000", "5000", "99", false, 9898},
    {"safety margin never overloads", "100", "10", true, 0},
    {"safety margin with a fractional capacity rounding up", "100.6", "10", true, 0},
    {"safety margin with a capacity rounding to 1", "0.6", "10", true, 0},
    {"negative capacity overloads always", "-5", "10", false, 20000},
    {"negative capacity in the safety case too", "-5", "10", true, 20000},
    {"fractional capacity: ceiling 110.55 rounds to 111", "100.5", "10", false, 1800},
    {"fractional capacity below: 99.5 < 100 overloads", "99.5", "10", false, 1638},
    {"a comma ends the number: 100,5 reads as 100", "100,5", "10", false, 1620},
    {"zero capacity draws nothing", "0", "10", false, std::nullopt},
    {"empty capacity draws nothing", "", "10", false, std::nullopt},
    {"ceiling 0.44 rounds to 0", "0.4", "10", false, std::nullopt},
    {"safety ceiling 0.5 rounds half to even, to 0", "0.5", "10", true, std::nullopt},
    {"9E99 leaves the 32-bit range", "9E99", "10", false, std::nullopt},
    {"-9E99 leaves it too", "-9E99", "10", true, std::nullopt},
};

// How many of the generator's 2^24 values give each raw draw, counted one value at a time with
// the C library's rounding rather than the program's.
const std::vector<std::int64_t>& valuesPerDraw() {
    static const std::vector<std::int64_t> counts = [] {
        std::vector<std::int64_t> perDraw(10001);
        for (std::uint32_t k = 0; k < (1U << 24U); ++k) {
            const float scaled = static_cast<float>(k) / 16777216.0F * 10000.0F;
            ++perDraw.at(static_cast<std::size_t>(std::lrint(scaled)));
        }
        return perDraw;
    }();
    return counts;
}

// An ideal generator's share, in units of 1/20000, is within 0.011 points of the program's.
TEST(ExpectedShareTest, TableOfInputs) {
    for (const ShareRow& row : kRows) {
        SCOPED_TRACE(row.name);
        const auto percent = expectedFor(row);
        ASSERT_EQ(percent.has_value(), row.units.has_value());
        if (row.units) {
            EXPECT_NEAR(*percent, static_cast<double>(*row.units) / 200.0, 0.011);
        }
    }
    // Capacity 2 at 80 %: the demands 0, 1, 2 and 3 would share the draws evenly, but the
    // generator's values give demand 3 a little less than a quarter.
    const auto twoAt80 = core::expectedSharePercent(2, 3.6);
    ASSERT_TRUE(twoAt80.has_value());
    EXPECT_NEAR(*twoAt80, 24.9889, 0.00005);
}

// The sums per period against counting every raw draw with the generator's values, over
// awkward ceilings and capacities (halves, negatives, beyond 10000, infinities).
TEST(ExpectedShareTest, AgreesWithCountingEveryDraw) {
    const double capacities[] = {-1e300, -0.5,  0,    0.5,  1,      7.5,   99.99,
                                 100,    100.5, 5000, 9999, 9999.5, 10000, 1e300};
    const double ceilings[] = {-20001, -110, -1,   0.51, 1,     1.5,   2.5,       7,
                               109.5,  110,  3333, 9999, 10000, 10001, 2147483647};
    for (const double capacity : capacities) {
        for (const double ceiling : ceilings) {
            SCOPED_TRACE(testing::Message() << capacity << " / " << ceiling);
            const std::int64_t n = std::llabs(std::llround(std::nearbyint(ceiling)));
            std::int64_t units = 0;
            for (std::int64_t r = 0; r <= 10000; ++r) {
                const auto demand = static_cast<double>(r % n);
                units += capacity < demand ? valuesPerDraw()[static_cast<std::size_t>(r)] : 0;
            }
            EXPECT_EQ(core::expectedOverloadUnits(capacity, ceiling), units);
        }
    }
}

// The tick itself, fed each rounded draw as often as its weight: its overload count is the
// expected share's units.
TEST(ExpectedShareTest, MatchesTheTickOverEveryDrawOnce) {
    for (const int row : {0, 1, 4, 11, 12}) {
        SCOPED_TRACE(kRows[row].name);
        core::Model model;
        core::ResetSimulation(model);
        model.setText(core::Text1(2), kRows[row].capacity);
        model.setText(core::Text2(0), kRows[row].overselling);
        std::vector<float> draws;
        for (int r = 0; r <= 10000; ++r) {
            draws.push_back(testing_support::drawOf(r));
            if (r != 0 && r != 10000) {
                draws.push_back(testing_support::drawOf(r));
            }
        }
        testing_support::ScriptedRandom random(draws);
        for (std::size_t i = 0; i < draws.size(); ++i) {
            ASSERT_EQ(core::Timer1_Timer(model, random), std::nullopt);
        }
        EXPECT_EQ(model.OverloadCount, kRows[row].units);
    }
}

// The units per demand and the overload units come from one draw rule: every draw lands on
// exactly one demand, and the overloads are the demands above the capacity. Each demand the
// ceiling allows gets an entry, and none above the largest draw.
TEST(ExpectedShareTest, DemandUnitsAddUpToTheOverloadUnits) {
    const double capacities[] = {-5, 0, 1, 99.5, 100, 4500, 5000, 9999, 10000};
    const double ceilings[] = {-110, 1, 2.5, 110, 5500, 9999, 10000, 10001, 2147483647};
    for (const double ceiling : ceilings) {
        SCOPED_TRACE(testing::Message() << "ceiling " << ceiling);
        const auto units = core::expectedDemandUnits(ceiling);
        ASSERT_TRUE(units.has_value());
        const std::int64_t n = std::llabs(std::llround(std::nearbyint(ceiling)));
        EXPECT_EQ(static_cast<std::int64_t>(units->size()), std::min<std::int64_t>(n, 10001));
        EXPECT_EQ(std::accumulate(units->begin(), units->end(), std::int64_t{0}),
                  core::kShareUnits);
        EXPECT_TRUE(std::ranges::all_of(*units, [](std::int64_t u) { return u > 0; }));
        for (const double capacity : capacities) {
            SCOPED_TRACE(testing::Message() << "capacity " << capacity);
            std::int64_t above = 0;
            for (std::size_t demand = 0; demand < units->size(); ++demand) {
                above += capacity < static_cast<double>(demand) ? (*units)[demand] : 0;
            }
            EXPECT_EQ(core::expectedOverloadUnits(capacity, ceiling), above);
        }
    }
}

TEST(ExpectedShareTest, NoDemandUnitsWhereNothingIsDrawn) {
    for (const double ceiling : {0.0, 0.4, -0.5, 9e99, -9e99}) {
        SCOPED_TRACE(testing::Message() << "ceiling " << ceiling);
        EXPECT_EQ(core::expectedDemandUnits(ceiling), std::nullopt);
        EXPECT_EQ(core::expectedOverloadUnits(100, ceiling), std::nullopt);
    }
}

// Capacity 5000 with ten percent: r runs through 0 .. 5499 almost twice, so the demands up
// to 4499 come about twice as often as those above; the tick's own rule agrees value by value.
TEST(ExpectedShareTest, DemandsAboveTheRemainderComeHalfAsOften) {
    const auto units = core::expectedDemandUnits(5500);
    ASSERT_TRUE(units.has_value());
    ASSERT_EQ(units->size(), 5500U);
    std::vector<std::int64_t> byTick(5500);
    for (std::uint32_t k = 0; k < (1U << 24U); ++k) {
        ++byTick.at(
            static_cast<std::size_t>(core::demandOf(static_cast<float>(k) / 16777216.0F, 5500)));
    }
    EXPECT_EQ(*units, byTick);
    EXPECT_NEAR(static_cast<double>((*units)[4499]) / static_cast<double>((*units)[4501]), 2.0,
                0.002);
}

}  // namespace

// What a pupil computes and what the draw gives, for the note that explains the difference.
TEST(ExpectedShareTest, EvenShareCountsTheDrawableDemandsAboveTheCapacity) {
    EXPECT_NEAR(*core::evenSharePercent(100, 110), 100.0 * 9 / 110, 1e-12);
    EXPECT_NEAR(*core::evenSharePercent(5000, 5500), 100.0 * 499 / 5500, 1e-12);
    // Above a ceiling of 10001 the demand is the draw itself, 0 .. 10000.
    EXPECT_NEAR(*core::evenSharePercent(9999, 10099), 100.0 * 1 / 10001, 1e-12);
    EXPECT_NEAR(*core::evenSharePercent(6000, 11940), 100.0 * 4000 / 10001, 1e-12);
    // The safety case: the ceiling is the capacity, no demand is above it.
    EXPECT_EQ(*core::evenSharePercent(100, 100), 0.0);
    EXPECT_EQ(*core::evenSharePercent(-1, 10), 100.0);
    EXPECT_FALSE(core::evenSharePercent(100, 0.2));
}

TEST(ExpectedShareTest, FrequentDemandsEndWhereTheRemainderWraps) {
    struct Row {
        double ceiling;
        std::optional<std::int64_t> lastFrequent;
        std::int64_t drawsPerRare;
    };
    const Row rows[] = {
        {110, 99, 90},    // 10000 = 90 · 110 + 100
        {5500, 4499, 1},  // 10000 = 5500 + 4500: twice as often
        // A ceiling that divides 10000, or leaves half a raw draw at the ends only, is even.
        {100, std::nullopt, 0},
        {3, std::nullopt, 0},
        {10001, std::nullopt, 0},
        {0, std::nullopt, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.ceiling);
        const auto uneven = core::unevenDemands(row.ceiling);
        ASSERT_EQ(uneven.has_value(), row.lastFrequent.has_value());
        if (uneven) {
            EXPECT_EQ(uneven->lastFrequent, *row.lastFrequent);
            EXPECT_EQ(uneven->drawsPerRare, row.drawsPerRare);
            EXPECT_EQ(uneven->drawsPerFrequent, row.drawsPerRare + 1);
        }
    }
}
