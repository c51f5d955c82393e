// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/measured_share.hpp"

#include <algorithm>
#include <cmath>

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

ShareBand shareBand(double expectedPercent, double ticks) {
    const double share = expectedPercent / 100;
    const double halfWidth = 1.96 * std::sqrt(share * (1 - share) / std::max(ticks, 1.0));
    return {std::clamp(share - halfWidth, 0.0, 1.0) * 100,
            std::clamp(share + halfWidth, 0.0, 1.0) * 100};
}

}  // namespace core
