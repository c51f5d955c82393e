// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/run_statistics.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>

#include "core/reset.hpp"
#include "core/tick.hpp"
#include "scripted_random.hpp"

namespace {

using core::RunStatistics;
using testing_support::drawOf;

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
            statistics.record(tick + 1, 7, (tick + 1) / 10);
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
        statistics.record(1, demand, 0);
    }
    const auto counts = statistics.demandCounts();
    EXPECT_EQ(counts.size(), 10001U);
    EXPECT_EQ(std::accumulate(counts.begin(), counts.end(), std::uint64_t{0}), 3U);

    const auto* bins = counts.data();
    const auto* points = statistics.series().data();
    for (std::int64_t tick = 1; tick <= 200'000; ++tick) {
        statistics.record(tick, static_cast<int>(tick % 10001), 0);
        if (tick == 100'000) {
            statistics.reset();
        }
    }
    EXPECT_EQ(statistics.demandCounts().data(), bins);
    EXPECT_EQ(statistics.series().data(), points);
}

}  // namespace
