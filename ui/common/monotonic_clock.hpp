// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>

namespace ui {

// Milliseconds on a clock that only goes forward; tests put in a clock they move by hand.
using MonotonicClock = std::function<std::int64_t()>;

inline std::int64_t steadyMilliseconds() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(
               std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

}  // namespace ui
