// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/expected_share.hpp"

#include <algorithm>
#include <cmath>
#include <iterator>

#include "core/draw.hpp"

namespace core {
namespace {

constexpr std::int64_t kLargestDraw = kDrawScale;

// How many r in [0, last] have r mod n >= first, for 0 <= first <= n: the remainders run
// through 0 .. n - 1 once per full period, then 0 .. rest - 1.
std::int64_t countRemaindersFrom(std::int64_t last, std::int64_t n, std::int64_t first) {
    const std::int64_t values = last + 1;
    const std::int64_t perPeriod = n - first;
    const std::int64_t inRest = values % n - first;
    return values / n * perPeriod + (inRest > 0 ? inRest : 0);
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
    const auto overloads = [&](std::int64_t r) -> std::int64_t { return r % n >= first ? 1 : 0; };

    // Each r from 1 to 9999 weighs two units, r = 0 and r = 10000 one each.
    const std::int64_t inside =
        countRemaindersFrom(kLargestDraw - 1, n, first) - countRemaindersFrom(0, n, first);
    return 2 * inside + overloads(0) + overloads(kLargestDraw);
}

std::optional<std::vector<std::int64_t>> expectedDemandUnits(double ceiling) {
    const auto drawable = drawableDemands(ceiling);
    if (!drawable) {
        return std::nullopt;
    }
    const std::int64_t n = *drawable;
    const std::int64_t demands = std::min(n, kLargestDraw + 1);
    // r from 0 to kLargestDraw - 1 runs through the remainders kLargestDraw / n whole times,
    // then 0 .. rest - 1 once more; each r weighs two units, except r = 0 which weighs one.
    // r = kLargestDraw itself adds its one unit to the remainder `rest`.
    const std::int64_t wholePeriods = kLargestDraw / n;
    const std::int64_t rest = kLargestDraw % n;
    std::vector<std::int64_t> units(static_cast<std::size_t>(demands));
    for (std::int64_t demand = 0; demand < demands; ++demand) {
        units[static_cast<std::size_t>(demand)] = 2 * (wholePeriods + (demand < rest ? 1 : 0)) -
                                                  (demand == 0 ? 1 : 0) + (demand == rest ? 1 : 0);
    }
    return units;
}

std::optional<double> evenSharePercent(double capacity, double ceiling) {
    const auto demands = drawableDemands(ceiling);
    if (!demands) {
        return std::nullopt;
    }
    const std::int64_t above =
        *demands - std::min(firstOverloadingDemand(capacity, *demands), *demands);
    return 100.0 * static_cast<double>(above) / static_cast<double>(*demands);
}

std::optional<std::int64_t> lastMostFrequentDemand(double ceiling) {
    const auto units = expectedDemandUnits(ceiling);
    if (!units || units->empty()) {
        return std::nullopt;
    }
    // Demand 0 and the demand r = kLargestDraw lands on each lose or gain half a raw value
    // whatever the ceiling; only a whole raw value more makes a demand come up more often.
    const auto [fewest, most] = std::ranges::minmax(*units);
    if (most - fewest <= 1) {
        return std::nullopt;
    }
    const auto last = std::find(units->rbegin(), units->rend(), most);
    return static_cast<std::int64_t>(std::distance(last, units->rend())) - 1;
}

std::optional<double> expectedSharePercent(double capacity, double ceiling) {
    const auto units = expectedOverloadUnits(capacity, ceiling);
    if (!units) {
        return std::nullopt;
    }
    constexpr double kUnitsPerPercent = static_cast<double>(kShareUnits) / 100;
    return static_cast<double>(*units) / kUnitsPerPercent;
}

std::optional<double> expectedSharePercent(const Model& model) {
    return expectedSharePercent(capacity(model), drawCeiling(model));
}

}  // namespace core
