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

QString summaryText(const core::Model& model) {
    return QStringLiteral("Тегления: %1; Претоварвания: %2; Измерен дял: %3; Очакван дял: %4")
        .arg(model.TickCount.value_or(0))
        .arg(model.OverloadCount)
        .arg(percentOrNone(core::measuredSharePercent(model), model),
             percentOrNone(core::expectedSharePercent(model), model));
}

}  // namespace ui
