// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/random_source.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <random>
#include <vector>

namespace {

TEST(TwisterRandom, StaysInTheHalfOpenUnitInterval) {
    runtime::TwisterRandom random;
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

// The twist without a branch is the standard library's Mersenne Twister number for number,
// across several twists, from a seed and from a seed sequence.
TEST(MersenneTwister, GivesTheStandardSequence) {
    for (const std::uint32_t seed : {0U, 1U, 5489U, 4294967295U}) {
        runtime::MersenneTwister ours(seed);
        std::mt19937 standard(seed);
        for (int i = 0; i < 2000; ++i) {
            ASSERT_EQ(ours(), standard()) << "seed " << seed << ", number " << i;
        }
    }
    std::seed_seq sequence{12345U, 678U};
    std::array<std::uint32_t, 624> words{};
    sequence.generate(words.begin(), words.end());
    runtime::MersenneTwister ours;
    ours.seed(words);
    std::mt19937 standard(sequence);
    for (int i = 0; i < 2000; ++i) {
        ASSERT_EQ(ours(), standard()) << "seed sequence, number " << i;
    }
}

TEST(TwisterRandom, ReseedingChangesTheSequence) {
    runtime::TwisterRandom unseeded;
    runtime::TwisterRandom reseeded;
    reseeded.reseedFromClock();
    bool differs = false;
    for (int i = 0; i < 8; ++i) {
        differs = differs || unseeded.next() != reseeded.next();
    }
    EXPECT_TRUE(differs);
}

std::vector<float> firstValues(runtime::TwisterRandom& random) {
    std::vector<float> values(16);
    for (float& value : values) {
        value = random.next();
    }
    return values;
}

// A fixed seed repeats a run draw for draw, whatever the generator drew before it.
TEST(TwisterRandom, ASeedRepeatsTheSequence) {
    runtime::TwisterRandom first;
    runtime::TwisterRandom second;
    first.reseed(7);
    second.reseedFromClock();
    second.next();
    second.reseed(7);
    const auto sequence = firstValues(first);
    EXPECT_EQ(firstValues(second), sequence);
    first.reseed(7);
    EXPECT_EQ(firstValues(first), sequence);
    first.reseed(8);
    EXPECT_NE(firstValues(first), sequence);
}

// A seed means what it means to the Mersenne Twister, so a seed written down gives the same
// run in any build: the default seed gives the unseeded sequence.
TEST(TwisterRandom, ASeedIsTheEnginesOwn) {
    runtime::TwisterRandom unseeded;
    runtime::TwisterRandom seeded;
    seeded.reseed(std::mt19937::default_seed);
    EXPECT_EQ(firstValues(seeded), firstValues(unseeded));
}

}  // namespace
