// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The speeds a teacher can choose, from the designed one tick a second up to a thousand.

#include <array>

#include "core/tick.hpp"

namespace ui {

struct Speed {
    const char* text;
    int tickMilliseconds;
};

inline constexpr std::array<Speed, 4> kSpeeds{{
    {"1 теглене в секунда", core::kTickMilliseconds},
    {"10 тегления в секунда", 100},
    {"100 тегления в секунда", 10},
    {"1000 тегления в секунда", 1},
}};

}  // namespace ui
