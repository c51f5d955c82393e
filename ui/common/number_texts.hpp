// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The numbers both windows write as texts: fractions with the user's decimal separator, which
// the model holds, and whole counts grouped as the machine's locale groups them.

#include <QString>
#include <optional>
#include <string>

#include "core/model.hpp"

namespace ui {

// What stands where there is no value.
inline constexpr char16_t kNoValue = u'—';
// Before "%": a no-break space, so that no line ends between a number and its sign.
inline constexpr char16_t kPercentSpace = u'\u00A0';

// How the user writes numbers, taken from the model once for the texts that need no more of it.
struct NumberFormat {
    std::string decimalSeparator = ".";

    [[nodiscard]] static NumberFormat of(const core::Model& model) {
        return {model.decimalSeparator()};
    }
};

// "8,10" with a comma separator, halves rounded away from zero.
QString twoDecimals(double value, const NumberFormat& format);
// Whole values plainly, others with up to 15 significant digits: "100", "100,5".
QString plainNumber(double value, const NumberFormat& format);
// Whole numbers with the locale's group separator where the locale groups them: "669 653"
// but "1000" in Bulgarian. Others as plainNumber.
QString countText(double value, const NumberFormat& format);
// "8,10 %", with the no-break space.
QString percentText(double percent, const NumberFormat& format);
// The same, or "—" for none.
QString percentOrNone(std::optional<double> percent, const NumberFormat& format);

}  // namespace ui
