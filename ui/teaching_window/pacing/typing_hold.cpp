// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pacing/typing_hold.hpp"

namespace ui {

TypingHold::TypingHold(RunControl& run, QObject* parent) : QObject(parent), run_(&run) {
    pause_.setSingleShot(true);
    pause_.setInterval(kPauseMilliseconds);
    connect(&run, &RunControl::inputsEdited, this, [this] {
        run_->holdTicks(true);
        pause_.start();
    });
    connect(&pause_, &QTimer::timeout, this, &TypingHold::release);
}

// A window that closes mid-word does not leave the run held.
TypingHold::~TypingHold() {
    if (pause_.isActive()) {
        release();
    }
}

void TypingHold::release() {
    if (run_ != nullptr) {
        run_->holdTicks(false);
    }
}

}  // namespace ui
