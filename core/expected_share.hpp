// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/draw.hpp"
#include "core/model.hpp"

namespace core {

// The raw draw rounds to a whole r from 0 to kDrawScale: r = 0 and r = kDrawScale each take
// half a unit of width, every r between them a whole one. Counted in units of 1/(2·kDrawScale).
inline constexpr std::int64_t kShareUnits = 2 * std::int64_t{kDrawScale};

// How many of the kShareUnits overload, for a capacity and a draw ceiling as the tick reads
// them: the demand is r Mod N for the ceiling N rounded half to even, with the sign of r, and
// an overload is capacity < demand. None when N is 0 or leaves the 32-bit range, where the
// tick draws nothing.
std::optional<std::int64_t> expectedOverloadUnits(double capacity, double ceiling);

// How many of the kShareUnits each demand from 0 to N - 1 takes, for the ceiling N rounded as
// the tick rounds it: index d holds demand d. Where kDrawScale is not a multiple of N the
// remainder wraps unevenly, so the small demands come up more often than the large ones. A
// demand above kDrawScale can never be drawn however large N is (up to 2^31), so the vector
// stops at the last demand that can: it has min(N, kDrawScale + 1) entries. The units of the
// demands above a capacity add up to expectedOverloadUnits. None where the tick draws nothing.
std::optional<std::vector<std::int64_t>> expectedDemandUnits(double ceiling);

// The share pupils compute first: the demands above the capacity out of all the N demands
// from 0 to N - 1, as if each came up equally often. It differs from the expected share
// where the remainder wraps unevenly. None where the tick draws nothing.
std::optional<double> evenSharePercent(double capacity, double ceiling);

// The largest of the demands that come up most often; none where every demand the ceiling
// allows comes up equally often.
std::optional<std::int64_t> lastMostFrequentDemand(double ceiling);

// The same as a percentage of ticks, divided once from the exact count.
std::optional<double> expectedSharePercent(double capacity, double ceiling);

// For the model's current input texts and case, read as the tick reads them.
std::optional<double> expectedSharePercent(const Model& model);

}  // namespace core
