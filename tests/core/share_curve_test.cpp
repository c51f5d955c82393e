// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/share_curve.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/expected_share.hpp"
#include "core/model.hpp"

namespace {

// The share worked out by hand, draw by draw: the capacity raised by the percentage in whole
// hundredths, rounded half to even as the tick rounds the ceiling; then every rounded raw draw r
// from 0 to 10000, the two ends weighing half as much as the others, overloads where
// r mod ceiling is above the capacity. An ideal generator's share: the program's own is within
// 0.011 points of it.
double countedSharePercent(int capacity, int percent) {
    const int hundredths = capacity * (100 + percent);
    int ceiling = hundredths / 100;
    const int rest = hundredths % 100;
    if (rest > 50 || (rest == 50 && ceiling % 2 != 0)) {
        ++ceiling;
    }
    int overloadWeight = 0;
    for (int draw = 0; draw <= 10000; ++draw) {
        const int weight = draw == 0 || draw == 10000 ? 1 : 2;
        overloadWeight += capacity < draw % ceiling ? weight : 0;
    }
    return 100.0 * overloadWeight / 20000;
}

// The curve must show at each percentage what a count of the draws gives, and what the window
// predicts once the teacher types that percentage into the box.
TEST(ShareAgainstOverselling, IsTheCountedShareAtEveryPercentage) {
    for (const int capacity : {1, 100, 5000, 9999}) {
        SCOPED_TRACE(capacity);
        const auto shares = core::shareAgainstOverselling(capacity);
        ASSERT_EQ(shares.size(), 100U);
        core::Model model;
        model.setText(core::Text1(2), std::to_string(capacity));
        for (int percent = 0; percent < 100; ++percent) {
            SCOPED_TRACE(percent);
            const auto share = shares[static_cast<std::size_t>(percent)];
            ASSERT_TRUE(share);
            ASSERT_NEAR(*share, countedSharePercent(capacity, percent), 0.011);
            model.setText(core::Text2(0), std::to_string(percent));
            ASSERT_EQ(share, core::expectedSharePercent(model));
        }
    }
}

TEST(ShareAgainstOverselling, KnownPoints) {
    const auto shares = core::shareAgainstOverselling(100);
    ASSERT_EQ(shares.size(), 100U);
    // No overselling, no overload.
    EXPECT_EQ(shares[0], 0.0);
    ASSERT_TRUE(shares[10]);
    EXPECT_NEAR(*shares[10], 8.1, 0.001);
    // Nothing can be drawn at a capacity of 0, whatever the percentage.
    for (const auto& share : core::shareAgainstOverselling(0)) {
        EXPECT_EQ(share, std::nullopt);
    }
}

}  // namespace
