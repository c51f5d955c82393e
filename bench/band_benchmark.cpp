// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// The 95 % band against every expected share the inputs can give: for each capacity from 1 to
// 10 000 (every stride-th) at each overselling percentage from 1 to 99, the exact binomial
// probability that a measurement after n draws falls inside its band, for n = 10, 100, 1000
// and 10 000. Reports the smallest coverage for each n, and fails where any is below 95 %.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <boost/math/distributions/binomial.hpp>
#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/measured_share.hpp"

namespace {

// The distinct expected shares, in units, that some capacity and percentage give.
std::set<std::int64_t> expectedShareUnits(int stride) {
    std::set<std::int64_t> units;
    for (int capacity = 1; capacity <= 10000; capacity += stride) {
        for (int percent = 1; percent <= 99; ++percent) {
            const double ceiling = core::ceilingFor(capacity, percent);
            if (const auto overloads = core::expectedOverloadUnits(capacity, ceiling)) {
                units.insert(*overloads);
            }
        }
    }
    return units;
}

// The probability of a count from the band's low to its high end, inclusive.
double coverage(double share, int draws, const core::ShareBand& band) {
    const boost::math::binomial_distribution<double> overloads(draws, share);
    const auto low = static_cast<int>(std::lround(band.low * draws / 100));
    const auto high = static_cast<int>(std::lround(band.high * draws / 100));
    const double below = low > 0 ? boost::math::cdf(overloads, low - 1) : 0.0;
    return boost::math::cdf(overloads, high) - below;
}

void BM_BandCoverage(benchmark::State& state) {
    const auto stride = static_cast<int>(state.range(0));
    const std::set<std::int64_t> units = expectedShareUnits(stride);
    for (auto _ : state) {
        for (const int draws : {10, 100, 1000, 10000}) {
            double smallest = 1;
            std::int64_t below95 = 0;
            for (const std::int64_t overloads : units) {
                const double share =
                    static_cast<double>(overloads) / static_cast<double>(core::kShareUnits);
                if (share <= 0 || share >= 1) {
                    continue;
                }
                const double covered = coverage(share, draws, core::shareBand(100 * share, draws));
                smallest = std::min(smallest, covered);
                below95 += covered < 0.95 ? 1 : 0;
            }
            const std::string n = std::to_string(draws);
            state.counters["least_coverage_n" + n] = smallest;
            state.counters["below_95_n" + n] = static_cast<double>(below95);
            if (below95 > 0) {
                state.SkipWithError(("a band holds less than 95 % at n = " + n).c_str());
            }
        }
    }
    state.counters["distinct_shares"] = static_cast<double>(units.size());
}

}  // namespace

// Every capacity for the report; every 97th for the test command's smoke run.
BENCHMARK(BM_BandCoverage)->Arg(1)->Arg(97)->Iterations(1)->Unit(benchmark::kSecond);
