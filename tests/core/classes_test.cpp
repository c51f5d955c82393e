// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/classes.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "core/model.hpp"
#include "core/reset.hpp"
#include "core/tick.hpp"
#include "runtime/random_source.hpp"

namespace {

using core::ClassesRequest;
using core::ClassesRun;

constexpr std::uint32_t kSeed = 20260417;
// Capacity 100 with 10 % overselling: about 8 draws in 100 overload. The ceiling as the tick
// works it out, a hair above 110.
const ClassesRequest kThreeClasses{100, core::ceilingFor(100, 10), 3, 2000};

std::vector<std::int64_t> overloadsOf(const ClassesRun& run) {
    return {run.overloads().begin(), run.overloads().end()};
}

// The runner must draw exactly as the pupils' program does: the same generator, seeded the
// same, read in the same order, with the same demand and overload rule. A class is the
// program run from "Изчисти" for drawsPerClass ticks, the generator going on between them.
TEST(ClassesRun, GivesTheOverloadsOfTheTicksOnTheSameGenerator) {
    core::Model model;
    runtime::TwisterRandom random;
    random.reseed(kSeed);
    std::vector<std::int64_t> byTicks;
    for (int each = 0; each < kThreeClasses.classes; ++each) {
        core::ResetSimulation(model);
        model.setText(core::Text2(0), "10");
        ASSERT_EQ(core::capacity(model), kThreeClasses.capacity);
        ASSERT_EQ(core::drawCeiling(model), kThreeClasses.ceiling);
        for (std::int64_t tick = 0; tick < kThreeClasses.drawsPerClass; ++tick) {
            ASSERT_EQ(core::Timer1_Timer(model, random), std::nullopt);
        }
        byTicks.push_back(model.OverloadCount);
    }

    ClassesRun run(kThreeClasses, kSeed);
    EXPECT_TRUE(run.advance(run.drawsTotal()));
    EXPECT_EQ(overloadsOf(run), byTicks);
    // Classes that overload and differ, so the comparison can tell draws apart.
    EXPECT_GT(byTicks[0], 0);
    EXPECT_FALSE(byTicks[0] == byTicks[1] && byTicks[1] == byTicks[2]);
}

TEST(ClassesRun, AdvancingInSlicesGivesTheSameClasses) {
    ClassesRun whole(kThreeClasses, kSeed);
    ASSERT_TRUE(whole.advance(std::numeric_limits<std::int64_t>::max()));
    EXPECT_EQ(whole.drawsDone(), 6000);
    EXPECT_EQ(whole.drawsTotal(), 6000);
    ASSERT_EQ(whole.overloads().size(), 3U);

    // Slices that end inside a class, on its edge and across one.
    for (const std::int64_t slice : {1, 7, 1999, 2000, 2001, 5999}) {
        SCOPED_TRACE(slice);
        ClassesRun sliced(kThreeClasses, kSeed);
        EXPECT_EQ(sliced.drawsTotal(), 6000);
        std::int64_t expectedDone = 0;
        while (!sliced.done()) {
            // Nothing to draw is no progress.
            sliced.advance(0);
            sliced.advance(-3);
            ASSERT_EQ(sliced.drawsDone(), expectedDone);

            const bool finished = sliced.advance(slice);
            expectedDone = std::min<std::int64_t>(expectedDone + slice, 6000);
            ASSERT_EQ(sliced.drawsDone(), expectedDone);
            ASSERT_EQ(finished, expectedDone == 6000);
            ASSERT_EQ(sliced.overloads().size(), static_cast<std::size_t>(expectedDone / 2000));
        }
        EXPECT_EQ(overloadsOf(sliced), overloadsOf(whole));
        // A finished run draws no more.
        EXPECT_TRUE(sliced.advance(slice));
        EXPECT_EQ(sliced.drawsDone(), 6000);
    }
}

TEST(ClassesRun, NoClassOrNoDrawIsDoneAtOnce) {
    struct Row {
        const char* name;
        ClassesRequest request;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const Row rows[] = {
        {"zero classes", {100, 110, 0, 2000}},
        {"fewer than zero classes", {100, 110, -4, 2000}},
        {"classes of no draw", {100, 110, 3, 0}},
        {"a ceiling that rounds to 0", {0, 0.4, 3, 2000}},
        {"a ceiling beyond 32 bits", {1e12, 1.1e12, 3, 2000}},
        {"no ceiling at all", {100, nan, 3, 2000}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClassesRun run(row.request, kSeed);
        EXPECT_TRUE(run.done());
        EXPECT_EQ(run.drawsTotal(), 0);
        EXPECT_TRUE(run.advance(1000));
        EXPECT_EQ(run.drawsDone(), 0);
        EXPECT_TRUE(run.overloads().empty());
        if (!std::isnan(row.request.ceiling)) {
            EXPECT_EQ(run.request(), row.request);
        }

        const core::ClassesSummary summary = core::summarize(run);
        EXPECT_EQ(summary.finished, 0);
        EXPECT_EQ(summary.insideBand, 0);
        EXPECT_EQ(summary.meanPercent, std::nullopt);
        EXPECT_EQ(summary.expected,
                  core::expectedSharePercent(row.request.capacity, row.request.ceiling));
        EXPECT_EQ(summary.band.has_value(), summary.expected.has_value());
    }
}

// The total of a request too large to run still counts up to a number, not a wrapped one.
TEST(ClassesRun, TotalOfAHugeRequestDoesNotWrap) {
    const ClassesRun run({100, 110, 1000, std::numeric_limits<std::int64_t>::max() / 10}, kSeed);
    EXPECT_EQ(run.drawsTotal(), std::numeric_limits<std::int64_t>::max());
    EXPECT_FALSE(run.done());
}

TEST(ClassesSummary, SummarizesTheFinishedClassesOnly) {
    constexpr ClassesRequest kRequest{100, 110, 30, 100};
    ClassesRun run(kRequest, kSeed);
    // Twelve and a half classes: the half class counts nowhere yet.
    run.advance(1250);
    ASSERT_EQ(run.overloads().size(), 12U);
    const core::ClassesSummary summary = core::summarize(run);
    EXPECT_EQ(summary.finished, 12);

    const auto overloads = run.overloads();
    const auto all = std::accumulate(overloads.begin(), overloads.end(), std::int64_t{0});
    ASSERT_TRUE(summary.meanPercent);
    EXPECT_DOUBLE_EQ(*summary.meanPercent, static_cast<double>(all) / 1200 * 100);

    // Under the ceiling 110 the demands 101 to 109 overload: 9 in each of the 90 whole rounds of
    // the draws below 9900, none from there to 10000: about 8.1 % of the generator's values.
    ASSERT_TRUE(summary.expected);
    EXPECT_NEAR(*summary.expected, 8.1, 0.001);
    // Of a hundred draws at 8.1 %, 2 or fewer overload with 1.0 %, 15 or more with 1.5 %: a
    // class is inside with 3 to 14 overloads.
    ASSERT_TRUE(summary.band);
    EXPECT_DOUBLE_EQ(summary.band->low, 3);
    EXPECT_DOUBLE_EQ(summary.band->high, 14);
    int inside = 0;
    for (const std::int64_t classOverloads : overloads) {
        inside += 3 <= classOverloads && classOverloads <= 14 ? 1 : 0;
    }
    EXPECT_EQ(summary.insideBand, inside);
    // Some classes land inside at this seed, so a count stuck at 0 shows.
    EXPECT_GT(inside, 0);
}

// A window's tally looks at a run after every slice: it counts each class once, the classes of
// a slice's end too, and comes to the counts of the whole run.
TEST(ClassesTally, FollowingARunSliceBySliceCountsEachClassOnce) {
    constexpr ClassesRequest kRequest{100, 110, 30, 100};
    ClassesRun run(kRequest, kSeed);
    core::ClassesTally tally(kRequest);
    while (!run.advance(1250)) {
        tally.follow(run);
        tally.follow(run);
        ASSERT_EQ(tally.summary().finished, static_cast<int>(run.overloads().size()));
    }
    tally.follow(run);
    const core::ClassesSummary summary = tally.summary();
    EXPECT_EQ(summary.finished, 30);
    // At a hundred draws the band takes 3 to 14 overloads.
    const auto overloads = run.overloads();
    const auto inside =
        std::ranges::count_if(overloads, [](auto count) { return 3 <= count && count <= 14; });
    EXPECT_EQ(summary.insideBand, inside);
    EXPECT_EQ(summary.highestPercent, core::classSharePercent(std::ranges::max(overloads), 100));
    const auto all = std::accumulate(overloads.begin(), overloads.end(), std::int64_t{0});
    EXPECT_EQ(summary.meanPercent, static_cast<double>(all) / 3000 * 100);
}

// Where every or no draw overloads, the band shrinks to its edge and every class sits on it:
// the edges count as inside.
TEST(ClassesSummary, ClassesOnTheEdgeOfTheBandCountAsInside) {
    struct Row {
        const char* name;
        double capacity;
        double mean;
    };
    const Row rows[] = {
        {"every draw overloads", -1, 100},
        {"no draw overloads", 10000, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ClassesRun run({row.capacity, 110, 10, 50}, kSeed);
        run.advance(run.drawsTotal());
        const core::ClassesSummary summary = core::summarize(run);
        EXPECT_EQ(summary.finished, 10);
        EXPECT_EQ(summary.insideBand, 10);
        EXPECT_EQ(summary.meanPercent, row.mean);
        EXPECT_EQ(summary.band, (core::ShareBand{row.mean, row.mean}));
    }
}

// P(low <= 100·X/n <= high) for X ~ Binomial(n, p), summed term by term in logarithms so that
// no binomial coefficient overflows, with each share worked out as the summary works it out.
double binomialInsideBand(std::int64_t n, double p, core::ShareBand band) {
    double probability = 0;
    for (std::int64_t k = 0; k <= n; ++k) {
        const double share = core::measuredSharePercent(k, n).value_or(0);
        if (share < band.low || share > band.high) {
            continue;
        }
        const auto kk = static_cast<double>(k);
        const auto nn = static_cast<double>(n);
        const double logTerm = std::lgamma(nn + 1) - std::lgamma(kk + 1) -
                               std::lgamma(nn - kk + 1) + kk * std::log(p) +
                               (nn - kk) * std::log1p(-p);
        probability += std::exp(logTerm);
    }
    return probability;
}

// The band's promise, 95 classes in 100, holds only roughly for a hundred draws; what the
// runner must match is the exact law of its own draws. A hundred thousand classes put the
// share inside within a few thousandths of it.
TEST(ClassesSummary, ShareInsideTheBandFollowsTheBinomialLaw) {
    constexpr ClassesRequest kRequest{100, 110, 100'000, 100};
    const auto start = std::chrono::steady_clock::now();
    ClassesRun run(kRequest, kSeed);
    ASSERT_TRUE(run.advance(run.drawsTotal()));
    const core::ClassesSummary summary = core::summarize(run);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    RecordProperty(
        "milliseconds",
        static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count()));

    ASSERT_EQ(summary.finished, kRequest.classes);
    ASSERT_TRUE(summary.expected && summary.band && summary.meanPercent);
    EXPECT_NEAR(*summary.expected, 8.1, 0.01);
    const double exact =
        binomialInsideBand(kRequest.drawsPerClass, *summary.expected / 100, *summary.band);
    const double measured = static_cast<double>(summary.insideBand) / kRequest.classes;
    EXPECT_NEAR(measured, exact, 0.01);
    // Ten million draws pin the mean down to a few hundredths of a percent.
    EXPECT_NEAR(*summary.meanPercent, *summary.expected, 0.05);
}

}  // namespace
