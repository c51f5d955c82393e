// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// A seed names a run: the demands and the classes' overload counts it gives were recorded once,
// and however the draw is made faster, the same seed must give them again.

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "core/classes.hpp"
#include "core/draw.hpp"
#include "runtime/random_source.hpp"

namespace {

struct PinnedSeed {
    std::uint32_t seed;
    std::vector<int> demandsUnder5500;
    // Ten classes of 1000 draws at 100 and 10 %; three of 100 000 at 5000 and 37 %.
    std::vector<std::int64_t> smallClasses;
    std::vector<std::int64_t> largeClasses;
};

const PinnedSeed kPinned[] = {
    {1,
     {4170, 4472, 1703, 3826, 1, 1281, 3023, 4490, 1468, 2361},
     {78, 87, 80, 77, 85, 76, 78, 87, 71, 78},
     {18631, 18346, 18574}},
    {42,
     {3745, 2465, 4007, 1834, 1820, 2297, 487, 469, 1560, 4458},
     {65, 68, 88, 91, 104, 95, 86, 80, 85, 83},
     {18636, 18464, 18503}},
    {4294967295U,
     {976, 1116, 3624, 127, 2390, 5263, 2300, 2206, 179, 2836},
     {71, 85, 77, 86, 75, 88, 90, 86, 65, 72},
     {18625, 18382, 18373}},
};

std::vector<std::int64_t> classOverloads(double capacity, double percent, int classes,
                                         std::int64_t draws, std::uint32_t seed) {
    core::ClassesRun run({capacity, core::ceilingFor(capacity, percent), classes, draws}, seed);
    run.advance(run.drawsTotal());
    return {run.overloads().begin(), run.overloads().end()};
}

TEST(PinnedDraws, EachSeedGivesTheRecordedDemandsAndClasses) {
    for (const PinnedSeed& pinned : kPinned) {
        SCOPED_TRACE(pinned.seed);
        runtime::TwisterRandom random;
        random.reseed(pinned.seed);
        std::vector<int> demands;
        for (std::size_t i = 0; i < pinned.demandsUnder5500.size(); ++i) {
            demands.push_back(core::demandOf(random.next(), 5500));
        }
        EXPECT_EQ(demands, pinned.demandsUnder5500);
        EXPECT_EQ(classOverloads(100, 10, 10, 1000, pinned.seed), pinned.smallClasses);
        EXPECT_EQ(classOverloads(5000, 37, 3, 100000, pinned.seed), pinned.largeClasses);
    }
}

}  // namespace
