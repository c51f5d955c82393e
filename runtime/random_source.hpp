// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <cstdint>
#include <random>

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

// Mersenne Twister, with the float built from the top kRandomBits bits: the standard float
// distributions can round up to exactly 1.0.
class TwisterRandom final : public RandomSource {
  public:
    float next() override;
    void reseedFromClock() override;
    void reseed(std::uint32_t seed) override;

  private:
    std::mt19937 engine_;
};

}  // namespace runtime
