// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include "core/model.hpp"

namespace core {

// Makes Run pressable when capacity, overselling and safety percentages all read as
// positive. Never disables Run.
void CheckInputs(Model& model);

}  // namespace core
