// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The rules of one draw, as the tick applies them: what it reads from the boxes, the ceiling
// it draws under and the scale of the raw draw. Everything that predicts or pictures a draw
// takes them from here.

#include <cstdint>
#include <optional>

#include "core/draw_scale.hpp"
#include "core/model.hpp"

namespace core {

// Unset counts as the overselling case, which Option1(0) shows selected at start.
bool isOverselling(const Model& model);

// The capacity, read afresh from its box.
double capacity(const Model& model);

// The ceiling of the draw: the capacity, raised by the overselling percentage in that case.
double drawCeiling(const Model& model);

// The ceiling as the draw's remainder rounds it, half to even; none when it rounds to 0 or
// leaves the 32-bit range, where nothing can be drawn.
std::optional<std::int32_t> roundedCeiling(double ceiling);

// How many demands the draw can give under a ceiling: the remainder of a raw draw, which is
// never negative, by the rounded ceiling N runs from 0 to |N| - 1. None where nothing can be
// drawn.
std::optional<std::int64_t> drawableDemands(double ceiling);

}  // namespace core
