// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The numbers of the teaching window as texts: two decimals and the user's decimal separator,
// taken from the model, never from the machine's locale.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/model.hpp"

namespace ui {

inline constexpr char16_t kNoValue = u'—';

// "8,10" with a comma separator.
QString twoDecimals(double value, const core::Model& model);
// Whole values plainly, others with up to 15 significant digits: "100", "100,5".
QString plainNumber(double value, const core::Model& model);

// What the summary states; the text changes only when these do.
struct SummaryNumbers {
    std::int64_t ticks;
    int overloads;
    std::optional<double> expected;

    friend bool operator==(const SummaryNumbers&, const SummaryNumbers&) = default;
};
SummaryNumbers summaryNumbers(const core::Model& model);

// "Тегления: n; Претоварвания: k; Измерен дял: m %; Очакван дял: e %".
QString summaryText(const core::Model& model);
// The tooltip of "% откази": "Очакван дял при тези стойности: 8,10 %".
QString expectedShareTooltip(const core::Model& model);

// The measured share in percent after the model's ticks; none before the first.
std::optional<double> measuredSharePercent(const core::Model& model);

// Where the measured share falls 95 times in 100 after `ticks` draws around an expected share,
// e ± 1.96·√(e(1 − e)/n), in percent and clipped to 0 to 100.
struct ShareBand {
    double low;
    double high;
};
ShareBand shareBand(double expectedPercent, double ticks);

}  // namespace ui
