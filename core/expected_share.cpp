// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/expected_share.hpp"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/draw.hpp"
#include "runtime/rounding.hpp"

namespace core {
namespace {

constexpr std::int64_t kLargestDraw = kDrawScale;
using DrawUnits = std::array<std::int64_t, kLargestDraw + 2>;

// The raw draw r that the generator's value number k rounds to.
std::int32_t rawDrawOfValue(std::int64_t k) {
    const float random = std::ldexp(static_cast<float>(k), -runtime::kRandomBits);
    return runtime::roundToInt32(scaledDraw(random));
}

// unitsBefore[r]: how many generator values round to a raw draw below r. The raw draw grows
// with the value, so each r takes one run of values, found by bisection.
DrawUnits unitsBeforeEachDraw() {
    DrawUnits before{};
    for (std::int64_t r = 0; r <= kLargestDraw + 1; ++r) {
        std::int64_t low = 0;
        std::int64_t high = kShareUnits;  // the first value that rounds to r or above
        while (low < high) {
            const std::int64_t middle = low + (high - low) / 2;
            if (rawDrawOfValue(middle) < r) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        before[static_cast<std::size_t>(r)] = low;
    }
    return before;
}

// Worked out once: it depends on the generator and the scaling only, never on the inputs.
const DrawUnits& unitsBefore() {
    static const DrawUnits units = unitsBeforeEachDraw();
    return units;
}

// The units of the raw draws from first to last, both within 0 .. kLargestDraw.
std::int64_t unitsOfDraws(std::int64_t first, std::int64_t last) {
    const DrawUnits& before = unitsBefore();
    return before[static_cast<std::size_t>(last + 1)] - before[static_cast<std::size_t>(first)];
}

// The smallest whole demand d >= 0 with capacity < d, or n when no demand below n is above it.
std::int64_t firstOverloadingDemand(double capacity, std::int64_t n) {
    if (std::isnan(capacity)) {
        return n;  // no comparison with NaN holds
    }
    if (capacity < 0) {
        return 0;
    }
    if (capacity >= static_cast<double>(n)) {
        return n;
    }
    return static_cast<std::int64_t>(std::floor(capacity)) + 1;
}

}  // namespace

std::optional<std::int64_t> expectedOverloadUnits(double capacity, double ceiling) {
    const auto demands = drawableDemands(ceiling);
    if (!demands) {
        return std::nullopt;
    }
    const std::int64_t n = *demands;
    const std::int64_t first = firstOverloadingDemand(capacity, n);
    // The raw draws r = period + d with first <= d < n overload, period by period.
    std::int64_t units = 0;
    for (std::int64_t period = 0; period + first <= kLargestDraw && first < n; period += n) {
        units += unitsOfDraws(period + first, std::min(period + n - 1, kLargestDraw));
    }
    return units;
}

std::optional<std::vector<std::int64_t>> expectedDemandUnits(double ceiling) {
    const auto drawable = drawableDemands(ceiling);
    if (!drawable) {
        return std::nullopt;
    }
    const std::int64_t n = *drawable;
    std::vector<std::int64_t> units(static_cast<std::size_t>(std::min(n, kLargestDraw + 1)));
    for (std::int64_t r = 0; r <= kLargestDraw; ++r) {
        units[static_cast<std::size_t>(r % n)] += unitsOfDraws(r, r);
    }
    return units;
}

std::optional<DrawableDemands> drawableDemandRange(double capacity, double ceiling) {
    const auto demands = drawableDemands(ceiling);
    if (!demands) {
        return std::nullopt;
    }
    const std::int64_t largest = std::min(*demands - 1, kLargestDraw);
    return DrawableDemands{largest,
                           std::min(firstOverloadingDemand(capacity, *demands), largest + 1)};
}

std::optional<double> evenSharePercent(double capacity, double ceiling) {
    const auto range = drawableDemandRange(capacity, ceiling);
    if (!range) {
        return std::nullopt;
    }
    const std::int64_t above = range->largest + 1 - range->firstOverloading;
    return 100.0 * static_cast<double>(above) / static_cast<double>(range->largest + 1);
}

std::optional<UnevenDemands> unevenDemands(double ceiling) {
    const auto demands = drawableDemands(ceiling);
    if (!demands) {
        return std::nullopt;
    }
    // The raw draws 0 .. kLargestDraw - 1 run through the demands wholePeriods times, then
    // through 0 .. rest - 1 once more; r = kLargestDraw and r = 0 weigh half each and only
    // shift half a draw. A rest of 1 is such half a draw too.
    const std::int64_t wholePeriods = kLargestDraw / *demands;
    const std::int64_t rest = kLargestDraw % *demands;
    if (wholePeriods == 0 || rest <= 1) {
        return std::nullopt;
    }
    return UnevenDemands{rest - 1, wholePeriods + 1, wholePeriods};
}

std::optional<double> expectedSharePercent(double capacity, double ceiling) {
    const auto units = expectedOverloadUnits(capacity, ceiling);
    if (!units) {
        return std::nullopt;
    }
    return 100.0 * static_cast<double>(*units) / static_cast<double>(kShareUnits);
}

std::optional<double> expectedSharePercent(const Model& model) {
    return expectedSharePercent(capacity(model), drawCeiling(model));
}

}  // namespace core
