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

TEST(ExpectedShareTest, TableOfInputs) {
    for (const ShareRow& row : kRows) {
        SCOPED_TRACE(row.name);
        const auto percent = expectedFor(row);
        ASSERT_EQ(percent.has_value(), row.units.has_value());
        if (row.units) {
            EXPECT_DOUBLE_EQ(*percent, static_cast<double>(*row.units) / 200.0);
        }
    }
    EXPECT_DOUBLE_EQ(*expectedFor(kRows[0]), 8.10);
    EXPECT_DOUBLE_EQ(*expectedFor(kRows[1]), 0.005);
}

// The closed form against counting every r with its weight, over awkward ceilings and
// capacities (halves, negatives, beyond 10000, infinities).
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
                units += capacity < demand ? (r == 0 || r == 10000 ? 1 : 2) : 0;
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
// to 4500 come about twice as often as those above. The ends of the draw weigh half: demand 0
// misses r = 0's other half, and demand 4500 only gets half of r = 10000.
TEST(ExpectedShareTest, DemandsAboveTheRemainderComeHalfAsOften) {
    const auto units = core::expectedDemandUnits(5500);
    ASSERT_TRUE(units.has_value());
    ASSERT_EQ(units->size(), 5500U);
    EXPECT_EQ((*units)[0], 3);
    EXPECT_EQ((*units)[1], 4);
    EXPECT_EQ((*units)[4499], 4);
    EXPECT_EQ((*units)[4500], 3);
    EXPECT_EQ((*units)[4501], 2);
    EXPECT_EQ((*units)[5499], 2);
    EXPECT_EQ((*units)[4499], 2 * (*units)[4501]);

    // Ceiling 110 divides 10000 into 90 whole periods with 100 left over.
    const auto small = core::expectedDemandUnits(110);
    ASSERT_TRUE(small.has_value());
    EXPECT_EQ((*small)[0], 181);
    EXPECT_EQ((*small)[99], 182);
    EXPECT_EQ((*small)[100], 181);
    EXPECT_EQ((*small)[101], 180);
}

}  // namespace

// What a pupil computes and what the draw gives, for the note that explains the difference.
TEST(ExpectedShareTest, EvenShareCountsTheDemandsAboveTheCapacity) {
    EXPECT_NEAR(*core::evenSharePercent(100, 110), 100.0 * 9 / 110, 1e-12);
    EXPECT_NEAR(*core::evenSharePercent(5000, 5500), 100.0 * 499 / 5500, 1e-12);
    // The safety case: the ceiling is the capacity, no demand is above it.
    EXPECT_EQ(*core::evenSharePercent(100, 100), 0.0);
    EXPECT_EQ(*core::evenSharePercent(-1, 10), 100.0);
    EXPECT_FALSE(core::evenSharePercent(100, 0.2));
}

TEST(ExpectedShareTest, MostFrequentDemandsEndWhereTheRemainderWraps) {
    // 10000 = 90 · 110 + 100: the demands below 100 have one raw draw more.
    EXPECT_EQ(core::lastMostFrequentDemand(110), 99);
    // 10000 = 5500 + 4500: the demands below 4500 come up twice as often.
    EXPECT_EQ(core::lastMostFrequentDemand(5500), 4499);
    // A ceiling that divides 10000, or leaves half a raw draw at the ends only, is even.
    EXPECT_FALSE(core::lastMostFrequentDemand(100));
    EXPECT_FALSE(core::lastMostFrequentDemand(3));
    EXPECT_FALSE(core::lastMostFrequentDemand(0));
}
