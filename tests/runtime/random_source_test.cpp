// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/random_source.hpp"

#include <gtest/gtest.h>

namespace {

TEST(ClockSeededRandom, StaysInTheHalfOpenUnitInterval) {
    runtime::ClockSeededRandom random;
    random.reseedFromClock();
    double sum = 0;
    constexpr int kDraws = 1'000'000;
    for (int i = 0; i < kDraws; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0F);
        ASSERT_LT(value, 1.0F);
        // The draw scales by 10000 in single precision; that must stay below 10000 too.
        ASSERT_LT(value * 10000.0F, 10000.0F);
        sum += value;
    }
    EXPECT_NEAR(sum / kDraws, 0.5, 0.01);
}

TEST(ClockSeededRandom, ReseedingChangesTheSequence) {
    runtime::ClockSeededRandom unseeded;
    runtime::ClockSeededRandom reseeded;
    reseeded.reseedFromClock();
    bool differs = false;
    for (int i = 0; i < 8; ++i) {
        differs = differs || unseeded.next() != reseeded.next();
    }
    EXPECT_TRUE(differs);
}

}  // namespace
