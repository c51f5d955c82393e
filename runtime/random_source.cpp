// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/random_source.hpp"

#include <chrono>
#include <random>

namespace runtime {

void MersenneTwister::seed(std::uint32_t value) {
    constexpr std::uint32_t kMultiplier = 1812433253U;
    state_[0] = value;
    for (std::uint32_t i = 1; i < kWords; ++i) {
        const std::uint32_t previous = state_[i - 1];
        state_[i] = kMultiplier * (previous ^ (previous >> 30U)) + i;
    }
    index_ = kWords;
}

void MersenneTwister::seed(const std::array<std::uint32_t, kWords>& words) {
    state_ = words;
    // A state of all zeros would give zeros for ever; only the top bit of the first word
    // takes part in the recurrence, so that bit alone is tested there.
    bool zero = (state_[0] & 0x80000000U) == 0;
    for (std::size_t i = 1; zero && i < kWords; ++i) {
        zero = state_[i] == 0;
    }
    if (zero) {
        state_[0] = 0x80000000U;
    }
    index_ = kWords;
}

void MersenneTwister::twist() {
    constexpr std::size_t kShift = 397;
    constexpr std::uint32_t kMatrix = 0x9908b0dfU;
    constexpr std::uint32_t kUpper = 0x80000000U;
    constexpr std::uint32_t kLower = 0x7fffffffU;
    // Word i from its upper bit, the next word's lower bits and the word kShift ahead, the
    // state taken as a ring; three runs so that no index wraps inside a loop.
    const auto mixed = [this](std::size_t i, std::size_t next, std::size_t ahead) {
        const std::uint32_t y = (state_[i] & kUpper) | (state_[next] & kLower);
        // All ones or all zeros from the low bit: the matrix is taken or not without a jump.
        const std::uint32_t matrix = (0U - (y & 1U)) & kMatrix;
        state_[i] = state_[ahead] ^ (y >> 1U) ^ matrix;
    };
    std::size_t i = 0;
    for (; i < kWords - kShift; ++i) {
        mixed(i, i + 1, i + kShift);
    }
    for (; i < kWords - 1; ++i) {
        mixed(i, i + 1, i + kShift - kWords);
    }
    mixed(kWords - 1, 0, kShift - 1);
    index_ = 0;
}

void TwisterRandom::reseedFromClock() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq sequence{static_cast<std::uint32_t>(ticks),
                           static_cast<std::uint32_t>(ticks >> 32U)};
    std::array<std::uint32_t, 624> words{};
    sequence.generate(words.begin(), words.end());
    engine_.seed(words);
}

void TwisterRandom::reseed(std::uint32_t seed) {
    engine_.seed(seed);
}

}  // namespace runtime
