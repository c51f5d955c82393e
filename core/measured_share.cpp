// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/measured_share.hpp"

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>
#include <cstdlib>

namespace core {

std::optional<double> measuredSharePercent(std::int64_t overloads, std::int64_t ticks) {
    if (ticks <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(overloads) / static_cast<double>(ticks) * 100;
}

std::optional<double> measuredSharePercent(const Model& model) {
    return measuredSharePercent(model.OverloadCount, model.TickCount.value_or(0));
}

std::optional<double> measuredShareInHundredths(std::int64_t overloads, std::int64_t ticks) {
    if (ticks <= 0) {
        return std::nullopt;
    }
    // Twice the share in hundredths of a percent, plus one whole tick count, halves rounded up;
    // the counts stay far below where the products would overflow.
    constexpr std::int64_t kHundredthsPerWhole = 10000;
    const std::int64_t doubled = 2 * std::abs(overloads) * kHundredthsPerWhole;
    const std::int64_t hundredths = (doubled + ticks) / (2 * ticks);
    return static_cast<double>(overloads < 0 ? -hundredths : hundredths) / 100;
}

namespace {

// The smallest count whose cumulative probability reaches the level: the quantile of a
// discrete distribution as statistics defines it, rounded up where Boost would round outwards.
using QuantileRoundedUp = boost::math::policies::policy<
    boost::math::policies::discrete_quantile<boost::math::policies::integer_round_up>>;

}  // namespace

ShareBand shareBand(double expectedPercent, double ticks) {
    const double draws = std::max(1.0, std::round(ticks));
    if (!(expectedPercent > 0)) {
        return {0, 0};
    }
    if (expectedPercent >= 100) {
        return {100, 100};
    }
    const boost::math::binomial_distribution<double, QuantileRoundedUp> overloads(
        draws, expectedPercent / 100);
    return {boost::math::quantile(overloads, 0.025) / draws * 100,
            boost::math::quantile(overloads, 0.975) / draws * 100};
}

ShareBand ShareBands::at(double expectedPercent, double ticks) {
    // A long run asks for new counts as its axis grows; the oldest are not asked for again.
    constexpr std::size_t kMostKept = 20000;
    const std::pair key{expectedPercent,
                        static_cast<std::int64_t>(std::max(1.0, std::round(ticks)))};
    if (const auto found = known_.find(key); found != known_.end()) {
        return found->second;
    }
    if (known_.size() >= kMostKept) {
        known_.clear();
    }
    return known_.emplace(key, shareBand(expectedPercent, ticks)).first->second;
}

}  // namespace core
