// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "runtime/random_source.hpp"

#include <chrono>
#include <cstdint>

namespace runtime {

float TwisterRandom::next() {
    constexpr unsigned kDroppedBits = 32U - kRandomBits;
    constexpr float kStep = 1.0F / static_cast<float>(1U << kRandomBits);
    return static_cast<float>(static_cast<std::uint32_t>(engine_()) >> kDroppedBits) * kStep;
}

void TwisterRandom::reseedFromClock() {
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::seed_seq seed{static_cast<std::uint32_t>(ticks), static_cast<std::uint32_t>(ticks >> 32U)};
    engine_.seed(seed);
}

void TwisterRandom::reseed(std::uint32_t seed) {
    engine_.seed(seed);
}

}  // namespace runtime
