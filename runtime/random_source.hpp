// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <array>
#include <cstdint>

namespace runtime {

// The program's generator gives each multiple of 2^-kRandomBits in [0, 1) equally often;
// whatever predicts the draw exactly counts with these values.
inline constexpr int kRandomBits = 24;

// The generator behind the draw. An interface so that tests can script the values.
class RandomSource {
  public:
    virtual ~RandomSource() = default;

    // The next value, a single-precision number in [0, 1), never 1.0.
    virtual float next() = 0;
    virtual void reseedFromClock() = 0;
    // A fixed seed, so that a run can be repeated draw for draw.
    virtual void reseed(std::uint32_t seed) = 0;
};

// The 32-bit Mersenne Twister, MT19937: for a seed, the same numbers as std::mt19937. Written
// out so that its twist picks the matrix with a mask rather than a branch on a random bit, and
// so that the loops that draw millions of times see next() whole.
class MersenneTwister {
  public:
    explicit MersenneTwister(std::uint32_t value = kDefaultSeed) { seed(value); }

    void seed(std::uint32_t value);
    // The whole state from a seed sequence's words, as std::mt19937 takes a std::seed_seq.
    void seed(const std::array<std::uint32_t, 624>& words);

    std::uint32_t operator()() {
        if (index_ == kWords) {
            twist();
        }
        std::uint32_t y = state_[index_++];
        y ^= y >> 11U;
        y ^= (y << 7U) & 0x9d2c5680U;
        y ^= (y << 15U) & 0xefc60000U;
        return y ^ (y >> 18U);
    }

  private:
    static constexpr std::uint32_t kDefaultSeed = 5489U;
    static constexpr std::size_t kWords = 624;
    void twist();

    std::array<std::uint32_t, kWords> state_{};
    std::size_t index_ = kWords;
};

// Mersenne Twister, with the float built from the top kRandomBits bits: the standard float
// distributions can round up to exactly 1.0.
class TwisterRandom final : public RandomSource {
  public:
    float next() override {
        constexpr unsigned kDroppedBits = 32U - kRandomBits;
        constexpr float kStep = 1.0F / static_cast<float>(1U << kRandomBits);
        return static_cast<float>(engine_() >> kDroppedBits) * kStep;
    }
    void reseedFromClock() override;
    void reseed(std::uint32_t seed) override;

  private:
    MersenneTwister engine_;
};

}  // namespace runtime
