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
        ceiling *= runtime::numberFromText(model.text(Text2(0))) / 100 + 1;
    }
    return ceiling;
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

std::optional<std::int64_t> drawableDemands(double ceiling) {
    const auto rounded = roundedCeiling(ceiling);
    if (!rounded) {
        return std::nullopt;
    }
    return std::llabs(static_cast<std::int64_t>(*rounded));
}

}  // namespace core
