// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/draw.hpp"
#include "core/model.hpp"
#include "runtime/random_source.hpp"

namespace core {

// The generator gives kShareUnits equally likely values; each rounds to one raw draw r from 0
// to kDrawScale, and so to one demand. The expected share counts those values exactly, so it
// is the share the program's own draws tend to, not an ideal generator's: r = 0 and
// r = kDrawScale take about half as many values as the others, and the single-precision
// scaling gives some r one value more than their neighbours.
inline constexpr std::int64_t kShareUnits = std::int64_t{1} << runtime::kRandomBits;

// How many of the kShareUnits overload, for a capacity and a draw ceiling as the tick reads
// them: the demand is r Mod N for the ceiling N rounded half to even, with the sign of r, and
// an overload is capacity < demand. None when N is 0 or leaves the 32-bit range, where the
// tick draws nothing.
std::optional<std::int64_t> expectedOverloadUnits(double capacity, double ceiling);

// How many of the kShareUnits each demand takes, for the ceiling N rounded as the tick rounds
// it: index d holds demand d. A demand above kDrawScale can never be drawn however large N is
// (up to 2^31), so the vector stops at the last demand that can: it has min(N, kDrawScale + 1)
// entries. The units of the demands above a capacity add up to expectedOverloadUnits. None
// where the tick draws nothing.
std::optional<std::vector<std::int64_t>> expectedDemandUnits(double ceiling);

// The demands that can be drawn under a ceiling, from 0 to the smaller of N - 1 and
// kDrawScale, and those of them above a capacity; none where nothing is drawn.
struct DrawableDemands {
    std::int64_t largest;
    // The smallest demand above the capacity; largest + 1 where none is.
    std::int64_t firstOverloading;
};
std::optional<DrawableDemands> drawableDemandRange(double capacity, double ceiling);

// The share pupils compute first: the drawable demands above the capacity out of all of
// them, as if each came up equally often. It differs from the expected share where the
// remainder wraps unevenly. None where the tick draws nothing.
std::optional<double> evenSharePercent(double capacity, double ceiling);

// Where kDrawScale is not a multiple of N, the whole raw draws wrap unevenly: the demands up
// to lastFrequent come from one raw draw more than those above. None where every drawable
// demand comes from as many raw draws (apart from the half-weighted ends).
struct UnevenDemands {
    std::int64_t lastFrequent;
    std::int64_t drawsPerFrequent;
    std::int64_t drawsPerRare;
};
std::optional<UnevenDemands> unevenDemands(double ceiling);

// The same as a percentage of ticks, from the exact count: kShareUnits is a power of two, so
// the double holds it exactly and rounds ties as the exact share does.
std::optional<double> expectedSharePercent(double capacity, double ceiling);

// For the model's current input texts and case, read as the tick reads them.
std::optional<double> expectedSharePercent(const Model& model);

}  // namespace core
