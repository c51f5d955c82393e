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
#include "runtime/rounding.hpp"

namespace core {

// Unset counts as the overselling case, which Option1(0) shows selected at start.
bool isOverselling(const Model& model);

// The capacity, read afresh from its box.
double capacity(const Model& model);

// The ceiling of the draw: the capacity, raised by the overselling percentage in that case.
double drawCeiling(const Model& model);

// The ceiling the overselling case draws under, for numbers already read: what drawCeiling
// gives there, so that whatever tries other percentages predicts the very ceiling the tick
// would draw under.
double ceilingFor(double capacity, double oversellingPercent);

// A raw value in [0, 1) scaled to the draw's range in single precision, as the tick scales it
// before rounding: from 0 to kDrawScale.
inline float scaledDraw(float random) {
    return random * static_cast<float>(kDrawScale);
}

// The demand a raw value in [0, 1) gives under a ceiling, as the tick draws it: scaled in
// single precision, then the remainder of both rounded half to even, with the sign of the
// scaled value. Raises as runtime::remainderOfRounded does where the ceiling allows no draw,
// so callers check drawableDemands first.
std::int16_t demandOf(float random, double ceiling);

// The ceiling as the draw's remainder rounds it, half to even; none when it rounds to 0 or
// leaves the 32-bit range, where nothing can be drawn.
std::optional<std::int32_t> roundedCeiling(double ceiling);

// The tick's draw under one ceiling, rounded once: for the loops that draw millions of times
// under the same inputs. demand(random) is demandOf(random, ceiling) for the ceiling it was made
// for, inline and with no branch on the random value.
class CeilingDraw {
  public:
    // None where the ceiling allows no draw.
    static std::optional<CeilingDraw> under(double ceiling);

    [[nodiscard]] int demand(float random) const {
        // The raw draw is never negative, so its remainder by |N| is its remainder by N.
        const auto raw = static_cast<std::uint32_t>(runtime::roundToInt32(scaledDraw(random)));
        return static_cast<int>(raw % divisor_);
    }

  private:
    explicit CeilingDraw(std::uint32_t divisor) : divisor_(divisor) {}
    // |N|, which holds 2^31 as well.
    std::uint32_t divisor_;
};

// How many demands the draw can give under a ceiling: the remainder of a raw draw, which is
// never negative, by the rounded ceiling N runs from 0 to |N| - 1. None where nothing can be
// drawn.
std::optional<std::int64_t> drawableDemands(double ceiling);

}  // namespace core
