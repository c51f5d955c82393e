// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "core/tick.hpp"

#include <cstdint>
#include <limits>
#include <string>

#include "core/measured_share.hpp"
#include "runtime/errors.hpp"
#include "runtime/number_text.hpp"

namespace core {
namespace {

// Written by the tick only, which has counted itself: there is always a share to write.
std::string failurePercentageText(const Model& model) {
    return runtime::textOfDouble(measuredSharePercent(model).value_or(0), model.decimalSeparator());
}

std::optional<StopReason> limitBeforeTick(const Model& model) {
    if (!roundedCeiling(drawCeiling(model))) {
        return StopReason::NoDemandPossible;
    }
    if (model.OverloadCount == std::numeric_limits<std::int16_t>::max()) {
        return StopReason::OverloadLimitReached;
    }
    return std::nullopt;
}

}  // namespace

std::string_view stopMessage(StopReason reason) {
    switch (reason) {
        case StopReason::NoDemandPossible:
            return "Симулацията е спряна: с този брой елементи не може да се изтегли търсене. "
                   "Въведете брой елементи от 1 до 9999.";
        case StopReason::OverloadLimitReached:
            return "Симулацията е спряна: броят на претоварванията достигна 32767. "
                   "Натиснете „Изчисти“, за да започнете отново.";
    }
    return {};
}

std::optional<StopReason> Timer1_Timer(Model& model, runtime::RandomSource& random) {
    if (const auto stop = limitBeforeTick(model)) {
        model.timerEnabled = false;
        return stop;
    }
    model.TickCount = model.TickCount.value_or(0) + 1;
    if (*model.TickCount > 100) {
        // Replaces the whole log; the count goes on, so every later tick does it again.
        model.setText(Text1(0), std::string(kLogHeader) + std::string(kLineBreak));
    }
    SimulateTick(model, random);
    return std::nullopt;
}

void SimulateTick(Model& model, runtime::RandomSource& random) {
    const double ceiling = drawCeiling(model);
    if (isOverselling(model)) {
        // Written before the draw, with the overload count of the ticks before this one.
        model.setText(Text2(2), failurePercentageText(model));
    }
    const std::int16_t demand = demandOf(random.next(), ceiling);

    // Read once, so the statistics record the very capacity this tick compared against.
    const double tickCapacity = capacity(model);
    if (tickCapacity < demand) {
        model.appendText(Text1(0), kOverloadMark);
        if (model.OverloadCount == std::numeric_limits<std::int16_t>::max()) {
            throw runtime::Overflow();
        }
        ++model.OverloadCount;
        model.setText(Text2(2), failurePercentageText(model));
    }
    // Before the last write, so whoever hears it sees the statistics of this tick too.
    model.statistics.record(*model.TickCount, demand, model.OverloadCount, {tickCapacity, ceiling});
    model.appendText(Text1(0), runtime::textOfInt16(demand) + std::string(kLineBreak));
}

}  // namespace core
