// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include "core/model.hpp"

namespace core {

// Stops the timer, puts the default inputs back and zeroes the counters. Leaves the log and
// Situation alone: callers that want an empty log clear it themselves.
void ResetSimulation(Model& model);

}  // namespace core
