// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <cstdint>
#include <optional>

#include "core/model.hpp"

namespace core {

// The share of overloaded ticks, in percent: what "% откази" shows and what the teaching
// window draws. None before the first tick.
std::optional<double> measuredSharePercent(std::int64_t overloads, std::int64_t ticks);
std::optional<double> measuredSharePercent(const Model& model);

// Where the measured share falls 95 times in 100 after `ticks` draws around an expected share,
// e ± 1.96·√(e(1 − e)/n), in percent and clipped to 0 to 100. Fewer than one tick counts as one.
struct ShareBand {
    double low;
    double high;

    friend bool operator==(const ShareBand&, const ShareBand&) = default;
};
ShareBand shareBand(double expectedPercent, double ticks);

}  // namespace core
