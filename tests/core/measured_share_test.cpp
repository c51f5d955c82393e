// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/measured_share.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>

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

struct BandRow {
    const char* name;
    double expected;
    double ticks;
    double low;
    double high;
};

TEST(ShareBand, HoldsNinetyFivePercentOfMeasurementsAndNarrowsWithTicks) {
    // 1.96 · √(0.081 · 0.919 / n), in percent.
    const BandRow rows[] = {
        {"one tick", 8.1, 1, 0, 8.1 + 196 * std::sqrt(0.081 * 0.919)},
        {"a hundred ticks", 8.1, 100, 8.1 - 19.6 * std::sqrt(0.081 * 0.919),
         8.1 + 19.6 * std::sqrt(0.081 * 0.919)},
        {"ten thousand ticks", 8.1, 10000, 8.1 - 1.96 * std::sqrt(0.081 * 0.919),
         8.1 + 1.96 * std::sqrt(0.081 * 0.919)},
        {"fewer than one tick counts as one", 50, 0, 0, 100},
        {"no overload possible: no width", 0, 100, 0, 0},
        {"always an overload: no width", 100, 100, 100, 100},
    };
    for (const BandRow& row : rows) {
        SCOPED_TRACE(row.name);
        const core::ShareBand band = core::shareBand(row.expected, row.ticks);
        EXPECT_NEAR(band.low, row.low, 1e-9);
        EXPECT_NEAR(band.high, row.high, 1e-9);
    }
}

}  // namespace
