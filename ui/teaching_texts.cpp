// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_texts.hpp"

#include <algorithm>
#include <cmath>

#include "core/expected_share.hpp"
#include "runtime/number_text.hpp"
#include "ui/qt_text.hpp"

namespace ui {
namespace {

QString percentOrNone(std::optional<double> percent, const core::Model& model) {
    return percent ? twoDecimals(*percent, model) + QStringLiteral(" %") : QString(kNoValue);
}

}  // namespace

QString twoDecimals(double value, const core::Model& model) {
    QString text = QString::number(value, 'f', 2);
    return text.replace(QLatin1Char('.'), toQString(model.decimalSeparator()));
}

QString plainNumber(double value, const core::Model& model) {
    return toQString(runtime::textOfDouble(value, model.decimalSeparator()));
}

std::optional<double> measuredSharePercent(const core::Model& model) {
    const std::int64_t ticks = model.TickCount.value_or(0);
    if (ticks <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(model.OverloadCount) / static_cast<double>(ticks) * 100;
}

SummaryNumbers summaryNumbers(const core::Model& model) {
    return {model.TickCount.value_or(0), model.OverloadCount, core::expectedSharePercent(model)};
}

QString summaryText(const core::Model& model) {
    return QStringLiteral("Тегления: %1; Претоварвания: %2; Измерен дял: %3; Очакван дял: %4")
        .arg(model.TickCount.value_or(0))
        .arg(model.OverloadCount)
        .arg(percentOrNone(measuredSharePercent(model), model),
             percentOrNone(core::expectedSharePercent(model), model));
}

QString expectedShareTooltip(const core::Model& model) {
    return QStringLiteral("Очакван дял при тези стойности: ") +
           percentOrNone(core::expectedSharePercent(model), model);
}

ShareBand shareBand(double expectedPercent, double ticks) {
    const double share = expectedPercent / 100;
    const double halfWidth = 1.96 * std::sqrt(share * (1 - share) / std::max(ticks, 1.0));
    return {std::clamp(share - halfWidth, 0.0, 1.0) * 100,
            std::clamp(share + halfWidth, 0.0, 1.0) * 100};
}

}  // namespace ui
