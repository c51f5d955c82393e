// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/share_curve.hpp"

#include "core/draw.hpp"
#include "core/expected_share.hpp"

namespace core {
namespace {

constexpr int kPercentages = 100;

}  // namespace

std::vector<std::optional<double>> shareAgainstOverselling(double capacity) {
    std::vector<std::optional<double>> shares;
    shares.reserve(kPercentages);
    for (int percent = 0; percent < kPercentages; ++percent) {
        shares.push_back(expectedSharePercent(capacity, ceilingFor(capacity, percent)));
    }
    return shares;
}

}  // namespace core
