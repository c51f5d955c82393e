// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <optional>
#include <string_view>

#include "core/draw.hpp"
#include "core/model.hpp"
#include "runtime/random_source.hpp"

namespace core {

inline constexpr std::string_view kLogHeader = "Начало на ново отчитане";
inline constexpr std::string_view kOverloadMark = "Претоварване ";
inline constexpr std::string_view kLineBreak = "\r\n";

// The designed interval of the timer: one tick a second.
inline constexpr int kTickMilliseconds = 1000;

// Why a tick refused to run. The tick then changes nothing but switching the timer off.
enum class StopReason {
    NoDemandPossible,      // the ceiling rounds to 0 or leaves the 32-bit range
    OverloadLimitReached,  // OverloadCount holds 32767 and cannot count another overload
};

// The message the window shows when a run stops.
std::string_view stopMessage(StopReason reason);

// One timer tick: counts it, restarts the log from tick 101 on, and draws. Checks the limits
// before anything is counted, so a tick either completes or leaves the state as it was.
[[nodiscard]] std::optional<StopReason> Timer1_Timer(Model& model, runtime::RandomSource& random);

// The draw of one tick; expects TickCount to include this tick. Raises runtime::Overflow or
// runtime::DivisionByZero at the limits that Timer1_Timer checks beforehand.
void SimulateTick(Model& model, runtime::RandomSource& random);

}  // namespace core
