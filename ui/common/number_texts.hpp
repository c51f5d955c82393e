// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The numbers both windows write as texts, with the user's decimal separator taken from the
// model, never from the machine's locale.

#include <QString>
#include <optional>

#include "core/model.hpp"

namespace ui {

// What stands where there is no value.
inline constexpr char16_t kNoValue = u'—';

// "8,10" with a comma separator.
QString twoDecimals(double value, const core::Model& model);
// Whole values plainly, others with up to 15 significant digits: "100", "100,5".
QString plainNumber(double value, const core::Model& model);
// Whole numbers with the locale's group separator where the locale groups them: "669 653"
// but "1000" in Bulgarian. Others as plainNumber.
QString countText(double value, const core::Model& model);
// "8,10 %", or "—" for none.
QString percentOrNone(std::optional<double> percent, const core::Model& model);

}  // namespace ui
