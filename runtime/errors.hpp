// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <stdexcept>

namespace runtime {

// The two run-time errors the arithmetic services raise; callers decide how to stop.
class Overflow : public std::overflow_error {
  public:
    Overflow() : std::overflow_error("overflow") {}
};

class DivisionByZero : public std::domain_error {
  public:
    DivisionByZero() : std::domain_error("division by zero") {}
};

}  // namespace runtime
