// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace runtime {

// Plain decimal digits with a leading minus for negatives.
std::string textOfInt16(std::int16_t value);

// At most 15 significant digits, rounded, without trailing zeros; whole values carry no
// separator. Values below 1e-4 or from 1e15 on take the exponent form "1E-05", "1E+15".
// The separator is the caller's, so the text matches the user's regional settings.
std::string textOfDouble(double value, std::string_view decimalSeparator);

}  // namespace runtime
