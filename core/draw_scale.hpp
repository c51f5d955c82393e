// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

namespace core {

// The raw draw is a random number in [0, 1) scaled by this: rounded, a whole r from 0 to it.
// It is also the largest demand a draw can give. Apart from the rest of the draw's rules so
// that the model's statistics can size their bins by it.
inline constexpr int kDrawScale = 10000;

}  // namespace core
