// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "core/model.hpp"

namespace core {

// The share of overloaded ticks, in percent: what "% откази" shows and what the teaching
// window draws. None before the first tick.
std::optional<double> measuredSharePercent(std::int64_t overloads, std::int64_t ticks);
std::optional<double> measuredSharePercent(const Model& model);

// The same rounded to two decimals, half away from zero as pupils round, from the whole counts
// themselves: a tie such as 5457 of 20000 (27.285 %) has no exact double, and the division
// alone would round it either way.
std::optional<double> measuredShareInHundredths(std::int64_t overloads, std::int64_t ticks);

// Where the measured share falls at least 95 times in 100 after `ticks` draws at an expected
// share: the overload counts from the binomial distribution's 2.5 % quantile to its 97.5 %
// quantile, divided by the draws, in percent. A band from the normal approximation would hold
// as few as 84 in 100 after a few draws or at small shares. Ticks count whole, at least one.
struct ShareBand {
    double low;
    double high;

    // Whether a share lies in the band, the edges included.
    [[nodiscard]] bool contains(double share) const { return low <= share && share <= high; }

    friend bool operator==(const ShareBand&, const ShareBand&) = default;
};
ShareBand shareBand(double expectedPercent, double ticks);

// The same bands, each worked out once: a picture asks for the same few hundred at every
// repaint, and each takes the quantiles' search.
class ShareBands {
  public:
    ShareBand at(double expectedPercent, double ticks);

  private:
    std::map<std::pair<double, std::int64_t>, ShareBand> known_;
};

}  // namespace core
