// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/share_curve.hpp"

#include <gtest/gtest.h>

#include <string>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/model.hpp"

namespace {

// The curve must show at each percentage what the window predicts once the teacher types that
// percentage into the box.
TEST(ShareAgainstOverselling, IsTheExpectedShareAtEveryPercentage) {
    for (const int capacity : {1, 100, 5000, 9999}) {
        SCOPED_TRACE(capacity);
        const auto shares = core::shareAgainstOverselling(capacity);
        ASSERT_EQ(shares.size(), 100U);
        core::Model model;
        model.setText(core::Text1(2), std::to_string(capacity));
        for (int percent = 0; percent < 100; ++percent) {
            SCOPED_TRACE(percent);
            const auto exact =
                core::expectedSharePercent(capacity, core::ceilingFor(capacity, percent));
            ASSERT_EQ(shares[static_cast<std::size_t>(percent)], exact);
            model.setText(core::Text2(0), std::to_string(percent));
            ASSERT_EQ(shares[static_cast<std::size_t>(percent)], core::expectedSharePercent(model));
        }
    }
}

TEST(ShareAgainstOverselling, KnownPoints) {
    const auto shares = core::shareAgainstOverselling(100);
    ASSERT_EQ(shares.size(), 100U);
    // No overselling, no overload.
    EXPECT_EQ(shares[0], 0.0);
    ASSERT_TRUE(shares[10]);
    EXPECT_NEAR(*shares[10], 8.1, 1e-9);
    // Nothing can be drawn at a capacity of 0, whatever the percentage.
    for (const auto& share : core::shareAgainstOverselling(0)) {
        EXPECT_EQ(share, std::nullopt);
    }
}

}  // namespace
