// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "core/draw.hpp"

#include <cstdlib>

#include "runtime/errors.hpp"
#include "runtime/number_from_text.hpp"
#include "runtime/rounding.hpp"

namespace core {

bool isOverselling(const Model& model) {
    return model.Situation.value_or(0) == 0;
}

double capacity(const Model& model) {
    return runtime::numberFromText(model.text(Text1(2)));
}

double drawCeiling(const Model& model) {
    double ceiling = capacity(model);
    if (isOverselling(model)) {
        ceiling = ceilingFor(ceiling, runtime::numberFromText(model.text(Text2(0))));
    }
    return ceiling;
}

double ceilingFor(double capacity, double oversellingPercent) {
    return capacity * (oversellingPercent / 100 + 1);
}

std::int16_t demandOf(float random, double ceiling) {
    const float rawDraw = scaledDraw(random);
    // At most kDrawScale in magnitude, so the 16-bit demand always holds it.
    return static_cast<std::int16_t>(runtime::remainderOfRounded(rawDraw, ceiling));
}

std::optional<std::int32_t> roundedCeiling(double ceiling) {
    try {
        const std::int32_t rounded = runtime::roundToInt32(ceiling);
        if (rounded == 0) {
            return std::nullopt;
        }
        return rounded;
    } catch (const runtime::Overflow&) {
        return std::nullopt;
    }
}

std::optional<CeilingDraw> CeilingDraw::under(double ceiling) {
    const auto demands = drawableDemands(ceiling);
    if (!demands) {
        return std::nullopt;
    }
    return CeilingDraw(static_cast<std::uint32_t>(*demands));
}

std::optional<std::int64_t> drawableDemands(double ceiling) {
    const auto rounded = roundedCeiling(ceiling);
    if (!rounded) {
        return std::nullopt;
    }
    return std::llabs(static_cast<std::int64_t>(*rounded));
}

}  // namespace core
