// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <optional>
#include <vector>

namespace core {

// The exact expected share for every overselling percentage from 0 to 99 at a capacity: index p
// holds expectedSharePercent(capacity, ceilingFor(capacity, p)), none where that ceiling allows
// no draw. Exact rather than simulated, so the curve shows the uneven wrap of the remainder
// without noise hiding it.
std::vector<std::optional<double>> shareAgainstOverselling(double capacity);

}  // namespace core
