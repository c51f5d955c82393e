// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>

#include "ui/main_window/run_control.hpp"

namespace ui {

// Typing "20" over "10" passes through "1", "" and "2": at a fast speed each would draw a
// stretch of its own, and the picture would mark four changes where the teacher made one. So
// while a box is being edited the run draws nothing, and it goes on under the new value once
// the typing has paused for kPauseMilliseconds.
class TypingHold final : public QObject {
    Q_OBJECT

  public:
    static constexpr int kPauseMilliseconds = 700;

    explicit TypingHold(RunControl& run, QObject* parent = nullptr);
    ~TypingHold() override;

    TypingHold(const TypingHold&) = delete;
    TypingHold& operator=(const TypingHold&) = delete;

  private:
    void release();

    // The form may go first when the program ends, its door with it.
    QPointer<RunControl> run_;
    QTimer pause_;
};

}  // namespace ui
