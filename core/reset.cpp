// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "core/reset.hpp"

namespace core {

void ResetSimulation(Model& model) {
    // The order matters: each text write runs the input check at its point in the sequence.
    model.setText(Text2(0), "1");
    model.setText(Text2(1), "10");
    model.setText(Text1(2), "100");
    model.timerEnabled = false;
    model.TickCount = 0;
    model.OverloadCount = 0;
    model.statistics.reset();
    model.setText(Text2(2), "0");
}

}  // namespace core
