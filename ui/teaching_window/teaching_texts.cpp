// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/teaching_texts.hpp"

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "ui/common/number_texts.hpp"

namespace ui {

SummaryNumbers summaryNumbers(const core::Model& model) {
    return {model.TickCount.value_or(0), model.OverloadCount, core::expectedSharePercent(model)};
}

QString timesText(std::uint64_t count, const core::Model& model) {
    return countText(static_cast<double>(count), model) +
           (count == 1 ? QStringLiteral(" път") : QStringLiteral(" пъти"));
}

QString summaryText(const core::Model& model) {
    return QStringLiteral("Тегления: %1; претоварвания: %2; измерен дял: %3; очакван дял: %4")
        .arg(countText(static_cast<double>(model.TickCount.value_or(0)), model),
             countText(model.OverloadCount, model),
             percentOrNone(core::measuredSharePercent(model), model),
             percentOrNone(core::expectedSharePercent(model), model));
}

}  // namespace ui
