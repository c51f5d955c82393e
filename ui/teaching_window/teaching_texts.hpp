// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The summary of the teaching window as text, made from the model.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/model.hpp"

namespace ui {

// What the summary states; the text changes only when these do.
struct SummaryNumbers {
    std::int64_t ticks;
    int overloads;
    std::optional<double> expected;

    friend bool operator==(const SummaryNumbers&, const SummaryNumbers&) = default;
};
SummaryNumbers summaryNumbers(const core::Model& model);

// "1 път", "2 пъти": how many times, with the Bulgarian plural.
QString timesText(std::uint64_t count, const core::Model& model);

// "Тегления: n; претоварвания: k; измерен дял: m %; очакван дял: e %".
QString summaryText(const core::Model& model);

}  // namespace ui
