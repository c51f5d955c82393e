// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "runtime/random_source.hpp"

namespace testing_support {

// Returns the values a test chose, in order, starting over at the end.
class ScriptedRandom final : public runtime::RandomSource {
  public:
    explicit ScriptedRandom(std::vector<float> values) : values_(std::move(values)) {}

    float next() override {
        ++draws_;
        return values_.empty() ? 0.0F : values_[(draws_ - 1) % values_.size()];
    }
    void reseedFromClock() override { ++reseeds_; }
    // The values stay as scripted; the seeds are kept so a test can check what was asked.
    void reseed(std::uint32_t seed) override { seeds_.push_back(seed); }

    [[nodiscard]] std::size_t draws() const { return draws_; }
    [[nodiscard]] std::size_t reseeds() const { return reseeds_; }
    [[nodiscard]] const std::vector<std::uint32_t>& seeds() const { return seeds_; }

  private:
    std::vector<float> values_;
    std::size_t draws_ = 0;
    std::size_t reseeds_ = 0;
    std::vector<std::uint32_t> seeds_;
};

// The generator value whose draw is `demand` for any ceiling above it.
inline float drawOf(int demand) {
    return static_cast<float>(demand) / 10000.0F;
}

}  // namespace testing_support
