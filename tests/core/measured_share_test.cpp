// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/measured_share.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/model.hpp"

namespace {

TEST(MeasuredShare, IsTheOverloadedTicksInPercentAndNoneBeforeTheFirst) {
    EXPECT_EQ(core::measuredSharePercent(0, 0), std::nullopt);
    EXPECT_EQ(core::measuredSharePercent(3, -1), std::nullopt);
    EXPECT_EQ(core::measuredSharePercent(1, 3), 1.0 / 3.0 * 100);
    EXPECT_EQ(core::measuredSharePercent(32767, 32767), 100);

    core::Model model;
    EXPECT_EQ(core::measuredSharePercent(model), std::nullopt);
    model.TickCount = 8;
    model.OverloadCount = 2;
    EXPECT_EQ(core::measuredSharePercent(model), 25);
}

// Ties at two decimals go up, as pupils round, though no double holds 27.285 exactly.
TEST(MeasuredShare, RoundsToHundredthsHalfAwayFromZero) {
    const std::pair<std::pair<std::int64_t, std::int64_t>, double> rows[] = {
        {{5457, 20000}, 27.29}, {{6871, 20000}, 34.36}, {{1, 32}, 3.13},
        {{2, 3}, 66.67},        {{1, 3}, 33.33},        {{0, 7}, 0},
    };
    for (const auto& [counts, hundredths] : rows) {
        EXPECT_EQ(core::measuredShareInHundredths(counts.first, counts.second), hundredths)
            << counts.first << " of " << counts.second;
    }
    EXPECT_EQ(core::measuredShareInHundredths(1, 0), std::nullopt);
}

// The binomial distribution's probabilities, summed here from its own formula in logarithms.
std::vector<double> binomialProbabilities(int draws, double share) {
    std::vector<double> probabilities;
    for (int k = 0; k <= draws; ++k) {
        probabilities.push_back(std::exp(std::lgamma(draws + 1.0) - std::lgamma(k + 1.0) -
                                         std::lgamma(draws - k + 1.0) + k * std::log(share) +
                                         (draws - k) * std::log1p(-share)));
    }
    return probabilities;
}

// At every number of draws and share, the band runs from the 2.5 % quantile of the overload
// count (the smallest count whose cumulative probability reaches 2.5 %) to its 97.5 % quantile,
// and so holds at least 95 % of the measurements: also where the normal approximation held
// 83.5 % (10 draws at 1.78 %) or 91 % (10 000 draws at 0.99 %). Beside those, a sample of the
// shares the inputs give at every number of draws a class meets; the whole sweep is the band
// benchmark's report.
TEST(ShareBand, HoldsTheCentralNinetyFivePercentOfTheBinomial) {
    std::vector<std::pair<int, double>> rows = {{1, 8.1},    {10, 1.78},  {10, 90},
                                                {100, 0.98}, {100, 4.99}, {100, 8.1},
                                                {1000, 50},  {1000, 0.5}, {10000, 0.99}};
    for (int capacity = 1; capacity <= 10000; capacity += 1999) {
        for (int percent = 1; percent <= 99; percent += 14) {
            const double expected =
                *core::expectedSharePercent(capacity, core::ceilingFor(capacity, percent));
            for (const int draws : {10, 100, 1000, 10000}) {
                if (expected > 0) {
                    rows.emplace_back(draws, expected);
                }
            }
        }
    }
    for (const auto& [draws, percent] : rows) {
        SCOPED_TRACE(testing::Message() << draws << " draws at " << percent << " %");
        const std::vector<double> probabilities = binomialProbabilities(draws, percent / 100);
        int low = 0;
        for (double below = probabilities[0]; below < 0.025; below += probabilities[++low]) {
        }
        int high = 0;
        for (double below = probabilities[0]; below < 0.975; below += probabilities[++high]) {
        }
        const core::ShareBand band = core::shareBand(percent, draws);
        EXPECT_NEAR(band.low, 100.0 * low / draws, 1e-9);
        EXPECT_NEAR(band.high, 100.0 * high / draws, 1e-9);
        double inside = 0;
        for (int k = low; k <= high; ++k) {
            inside += probabilities[k];
        }
        EXPECT_GE(inside, 0.95);
    }
}

TEST(ShareBand, HasNoWidthWhereTheShareIsCertain) {
    EXPECT_EQ(core::shareBand(0, 100), (core::ShareBand{0, 0}));
    EXPECT_EQ(core::shareBand(100, 100), (core::ShareBand{100, 100}));
    // Fewer than one draw counts as one: either count may come.
    EXPECT_EQ(core::shareBand(50, 0), (core::ShareBand{0, 100}));
}

}  // namespace
