// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/run_statistics.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <vector>

#include "core/draw.hpp"
#include "core/reset.hpp"
#include "core/tick.hpp"
#include "scripted_random.hpp"

namespace {

using core::RunStatistics;
using testing_support::drawOf;
using Inputs = RunStatistics::DrawInputs;

constexpr Inputs kSomeInputs{100, 110};

TEST(RunStatisticsTest, TicksFillTheBinsAndTheSeriesAndResetEmptiesThem) {
    core::Model model;
    core::ResetSimulation(model);
    model.setText(core::Text2(0), "10");
    testing_support::ScriptedRandom random({drawOf(3), drawOf(105), drawOf(3)});
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(core::Timer1_Timer(model, random), std::nullopt);
    }
    const RunStatistics& statistics = model.statistics;
    ASSERT_EQ(statistics.demandCounts().size(), 106U);
    EXPECT_EQ(statistics.demandCounts()[3], 2U);
    EXPECT_EQ(statistics.demandCounts()[105], 1U);
    const RunStatistics::Point expected[] = {{1, 0}, {2, 1}, {3, 1}};
    EXPECT_TRUE(std::ranges::equal(statistics.series(), expected));
    EXPECT_EQ(statistics.latest(), (RunStatistics::Point{3, 1}));

    // Where ResetSimulation zeroes the counters; a tick refused at a limit records nothing.
    core::ResetSimulation(model);
    EXPECT_TRUE(statistics.demandCounts().empty());
    EXPECT_TRUE(statistics.series().empty());
    EXPECT_EQ(statistics.latest(), (RunStatistics::Point{0, 0}));
    model.setText(core::Text1(2), "0");
    EXPECT_NE(core::Timer1_Timer(model, random), std::nullopt);
    EXPECT_TRUE(statistics.series().empty());
}

TEST(RunStatisticsTest, SeriesThinsEvenlyAndKeepsTheLatestTick) {
    RunStatistics statistics;
    struct Row {
        const char* name;
        std::int64_t ticks;
        std::int64_t stride;
    };
    const Row rows[] = {
        {"up to the bound every tick", 4096, 1},
        {"one past it halves", 4097, 2},
        {"a long run", 1'000'003, 256},
    };
    std::int64_t tick = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (; tick < row.ticks; ++tick) {
            statistics.record(tick + 1, 7, (tick + 1) / 10, kSomeInputs);
        }
        const auto series = statistics.series();
        EXPECT_EQ(statistics.stride(), row.stride);
        EXPECT_LE(series.size(), RunStatistics::kMaxPoints);
        EXPECT_GE(series.size(), RunStatistics::kMaxPoints / 2);
        for (std::size_t i = 0; i < series.size(); ++i) {
            const auto expectedTick = static_cast<std::int64_t>(i + 1) * row.stride;
            ASSERT_EQ(series[i], (RunStatistics::Point{expectedTick, expectedTick / 10}));
        }
        EXPECT_EQ(statistics.latest(), (RunStatistics::Point{row.ticks, row.ticks / 10}));
    }
    EXPECT_EQ(statistics.demandCounts()[7], 1'000'003U);
}

TEST(RunStatisticsTest, BinsAreBoundedAndMemoryDoesNotMove) {
    RunStatistics statistics;
    const int demands[] = {0, 10000, -1, 10001, 32767, 5000};
    for (const int demand : demands) {
        statistics.record(1, demand, 0, kSomeInputs);
    }
    const auto counts = statistics.demandCounts();
    EXPECT_EQ(counts.size(), 10001U);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::uint64_t{0}), 3U);

    const auto* bins = counts.data();
    const auto* points = statistics.series().data();
    const auto* draws = statistics.firstDraws().data();
    const auto* stretches = statistics.stretches().data();
    for (std::int64_t tick = 1; tick <= 200'000; ++tick) {
        // Inputs that change every tick make a stretch of every tick.
        const Inputs inputs{static_cast<double>(tick), static_cast<double>(tick) + 10};
        statistics.record(tick, static_cast<int>(tick % 10001), 0, inputs);
        if (tick == 100'000) {
            statistics.reset();
        }
    }
    EXPECT_EQ(statistics.demandCounts().data(), bins);
    EXPECT_EQ(statistics.series().data(), points);
    EXPECT_EQ(statistics.firstDraws().data(), draws);
    EXPECT_EQ(statistics.stretches().data(), stretches);
}

// Demand and overloads that differ from tick to tick, so a draw kept in the wrong place shows.
RunStatistics::Draw drawAt(std::int64_t tick) {
    return {tick, static_cast<int>(tick * 7 % 101), tick / 3};
}

TEST(RunStatisticsTest, FirstDrawsKeepEveryDrawOfTheStartAndNoMore) {
    RunStatistics statistics;
    struct Row {
        const char* name;
        std::int64_t ticks;
        std::size_t kept;
    };
    const Row rows[] = {
        {"no draw yet", 0, 0},
        {"a few", 3, 3},
        {"one short of the bound", 999, 999},
        {"the bound", 1000, 1000},
        {"one past it", 1001, 1000},
        {"a long run", 50'000, 1000},
    };
    std::int64_t tick = 0;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (; tick < row.ticks; ++tick) {
            const RunStatistics::Draw draw = drawAt(tick + 1);
            statistics.record(draw.tick, draw.demand, draw.overloads, kSomeInputs);
        }
        const auto draws = statistics.firstDraws();
        ASSERT_EQ(draws.size(), row.kept);
        for (std::size_t i = 0; i < draws.size(); ++i) {
            ASSERT_EQ(draws[i], drawAt(static_cast<std::int64_t>(i + 1))) << i;
        }
    }

    // After a reset the start of the new run is kept, not the end of the old one.
    statistics.reset();
    EXPECT_TRUE(statistics.firstDraws().empty());
    statistics.record(1, 42, 1, kSomeInputs);
    const RunStatistics::Draw expected[] = {{1, 42, 1}};
    EXPECT_TRUE(std::ranges::equal(statistics.firstDraws(), expected));
}

TEST(RunStatisticsTest, StretchesStartWhereTheInputsChange) {
    constexpr Inputs kTen{100, 110};
    constexpr Inputs kTwenty{100, 120};
    constexpr Inputs kOtherCapacity{90, 120};
    struct Tick {
        bool overloads;
        Inputs inputs;
    };
    // Ticks 1 to 8. Tick 4 changes the inputs and overloads itself: its stretch counts the two
    // overloads before it, not its own. Tick 7 goes back to the first inputs, which starts a
    // stretch of its own.
    const Tick ticks[] = {
        {false, kTen},           {true, kTen},     {true, kTen},
        {true, kTwenty},         {false, kTwenty}, {true, kTwenty},
        {false, kOtherCapacity}, {true, kTen},
    };
    RunStatistics statistics;
    std::int64_t overloads = 0;
    std::int64_t tick = 0;
    for (const Tick& each : ticks) {
        overloads += each.overloads ? 1 : 0;
        statistics.record(++tick, 5, overloads, each.inputs);
    }
    const RunStatistics::Stretch expected[] = {
        {1, 0, kTen},
        {4, 2, kTwenty},
        {7, 4, kOtherCapacity},
        {8, 4, kTen},
    };
    EXPECT_TRUE(std::ranges::equal(statistics.stretches(), expected));

    // A reset forgets them, and the first tick after it starts a stretch even under the inputs
    // the last one had.
    statistics.reset();
    EXPECT_TRUE(statistics.stretches().empty());
    statistics.record(1, 500, 1, kTen);
    const RunStatistics::Stretch afterReset[] = {{1, 0, kTen}};
    EXPECT_TRUE(std::ranges::equal(statistics.stretches(), afterReset));
}

TEST(RunStatisticsTest, StretchesKeepTheNewestUpToTheirBound) {
    RunStatistics statistics;
    const auto inputsOf = [](std::int64_t tick) {
        return Inputs{static_cast<double>(tick), 2.0 * static_cast<double>(tick)};
    };
    constexpr auto kBound = static_cast<std::int64_t>(RunStatistics::kMaxStretches);
    for (const std::int64_t ticks : {kBound, kBound + 1, 3 * kBound + 5}) {
        SCOPED_TRACE(ticks);
        statistics.reset();
        // Each tick changes the inputs and overloads.
        for (std::int64_t tick = 1; tick <= ticks; ++tick) {
            statistics.record(tick, 1, tick, inputsOf(tick));
        }
        const auto stretches = statistics.stretches();
        ASSERT_EQ(stretches.size(), RunStatistics::kMaxStretches);
        for (std::size_t i = 0; i < stretches.size(); ++i) {
            const std::int64_t tick = ticks - kBound + 1 + static_cast<std::int64_t>(i);
            ASSERT_EQ(stretches[i], (RunStatistics::Stretch{tick, tick - 1, inputsOf(tick)})) << i;
        }
    }
}

// A run of `ticks` ticks under `inputs`, every third one overloading, with a stride worth
// thinning for the long ones.
void recordRun(RunStatistics& statistics, std::int64_t ticks, Inputs inputs) {
    for (std::int64_t tick = 1; tick <= ticks; ++tick) {
        statistics.record(tick, static_cast<int>(tick % 120), tick / 3, inputs);
    }
}

Inputs inputsOfRun(int run) {
    return {100, 100.0 + run};
}

TEST(RunStatisticsTest, PastRunsKeepWhatEachResetEnded) {
    RunStatistics statistics;
    // The reset at load ends a run of no tick: there is nothing to draw of it.
    statistics.reset();
    EXPECT_TRUE(statistics.pastRuns().empty());

    // A run that changed its inputs keeps those of its last stretch.
    recordRun(statistics, 3, {90, 99});
    statistics.record(4, 50, 1, {100, 110});
    statistics.record(5, 105, 2, {100, 110});
    const std::vector<RunStatistics::Point> series(statistics.series().begin(),
                                                   statistics.series().end());
    statistics.reset();
    ASSERT_EQ(statistics.pastRuns().size(), 1U);
    const RunStatistics::PastRun expected{series, {5, 2}, {100, 110}};
    EXPECT_EQ(statistics.pastRuns()[0], expected);
    EXPECT_TRUE(statistics.series().empty());

    // A second reset straight after keeps nothing more.
    statistics.reset();
    EXPECT_EQ(statistics.pastRuns().size(), 1U);

    // A long run is kept thinned as it was shown.
    recordRun(statistics, 20'000, kSomeInputs);
    const std::vector<RunStatistics::Point> thinned(statistics.series().begin(),
                                                    statistics.series().end());
    ASSERT_GT(statistics.stride(), 1);
    statistics.reset();
    ASSERT_EQ(statistics.pastRuns().size(), 2U);
    EXPECT_EQ(statistics.pastRuns()[1].series, thinned);
    EXPECT_EQ(statistics.pastRuns()[1].latest, (RunStatistics::Point{20'000, 20'000 / 3}));
}

TEST(RunStatisticsTest, PastRunsKeepTheNewestUpToTheirBound) {
    RunStatistics statistics;
    constexpr int kRuns = 8;
    for (int run = 1; run <= kRuns; ++run) {
        // Runs of different lengths, so each past run can be told from the others.
        recordRun(statistics, std::int64_t{10} * run, inputsOfRun(run));
        statistics.reset();
        ASSERT_EQ(statistics.pastRuns().size(),
                  std::min<std::size_t>(static_cast<std::size_t>(run), RunStatistics::kPastRuns));
    }
    const auto past = statistics.pastRuns();
    for (std::size_t i = 0; i < past.size(); ++i) {
        const int run =
            kRuns - static_cast<int>(RunStatistics::kPastRuns) + 1 + static_cast<int>(i);
        SCOPED_TRACE(run);
        EXPECT_EQ(past[i].latest.tick, 10 * run);
        EXPECT_EQ(past[i].series.size(), static_cast<std::size_t>(10 * run));
        EXPECT_EQ(past[i].inputs, inputsOfRun(run));
    }

    statistics.forgetPastRuns();
    EXPECT_TRUE(statistics.pastRuns().empty());
    recordRun(statistics, 4, kSomeInputs);
    statistics.reset();
    EXPECT_EQ(statistics.pastRuns().size(), 1U);
}

// The past runs are drawn behind the current one and must leave its figures alone.
TEST(RunStatisticsTest, PastRunsLeaveTheCurrentRunAsItWouldBe) {
    RunStatistics withPast;
    for (int run = 1; run <= 7; ++run) {
        recordRun(withPast, 5000 + run, inputsOfRun(run));
        withPast.reset();
    }
    RunStatistics fresh;
    recordRun(withPast, 9000, kSomeInputs);
    recordRun(fresh, 9000, kSomeInputs);
    withPast.forgetPastRuns();
    EXPECT_TRUE(std::ranges::equal(withPast.demandCounts(), fresh.demandCounts()));
    EXPECT_TRUE(std::ranges::equal(withPast.firstDraws(), fresh.firstDraws()));
    EXPECT_TRUE(std::ranges::equal(withPast.series(), fresh.series()));
    EXPECT_TRUE(std::ranges::equal(withPast.stretches(), fresh.stretches()));
    EXPECT_EQ(withPast.stride(), fresh.stride());
    EXPECT_EQ(withPast.latest(), fresh.latest());
}

// "Изчисти" is the reset that ends a pupils' run; the one at load ends none.
TEST(RunStatisticsTest, ResetSimulationKeepsTheRunItEnds) {
    core::Model model;
    core::ResetSimulation(model);
    EXPECT_TRUE(model.statistics.pastRuns().empty());
    model.setText(core::Text2(0), "10");
    testing_support::ScriptedRandom random({drawOf(3), drawOf(105)});
    for (int i = 0; i < 2; ++i) {
        ASSERT_EQ(core::Timer1_Timer(model, random), std::nullopt);
    }
    // Read before the reset puts the texts back.
    const double ceiling = core::drawCeiling(model);
    core::ResetSimulation(model);
    ASSERT_EQ(model.statistics.pastRuns().size(), 1U);
    const RunStatistics::PastRun expected{{{1, 0}, {2, 1}}, {2, 1}, {100, ceiling}};
    EXPECT_EQ(model.statistics.pastRuns()[0], expected);
}

}  // namespace
