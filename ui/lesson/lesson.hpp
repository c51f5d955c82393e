// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// What a lesson is about beside the run itself: whether the class may see the expected share
// yet, the class's guess, the speed, the seed and the page the teaching window shows. One
// object holds it, the application keeps it for as long as the program runs, and every view
// reads it from here when it changes, so closing the teaching window loses none of it and no
// two views can disagree. The earlier runs drawn behind the current one are the run's own,
// in the model's statistics.

#include <QObject>
#include <cstdint>
#include <optional>

#include "core/tick.hpp"

namespace ui {

enum class LessonPage { Run, Experiments };

struct LessonState {
    // False while a class guesses: no view states the expected share.
    bool expectedShown = true;
    // The class's guess in percent, from 0 to 100.
    std::optional<double> guess;
    // Milliseconds between ticks while the teaching window is open.
    int tickMilliseconds = core::kTickMilliseconds;
    // Where set, "Изчисти", a change of case and "Нови класове" start the draws afresh from it.
    std::optional<std::uint32_t> seed;
    LessonPage page = LessonPage::Run;

    friend bool operator==(const LessonState&, const LessonState&) = default;
};

class Lesson final : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

    [[nodiscard]] const LessonState& state() const { return state_; }

    void setExpectedShown(bool shown) { set(&LessonState::expectedShown, shown); }
    void setGuess(std::optional<double> guess) { set(&LessonState::guess, guess); }
    void setTickMilliseconds(int milliseconds) {
        set(&LessonState::tickMilliseconds, milliseconds);
    }
    void setSeed(std::optional<std::uint32_t> seed) { set(&LessonState::seed, seed); }
    void setPage(LessonPage page) { set(&LessonState::page, page); }

  signals:
    // After every change, with the state before it, so a view can tell what changed.
    void changed(const ui::LessonState& before);

  private:
    template <typename T>
    void set(T LessonState::*field, T value) {
        LessonState next = state_;
        next.*field = value;
        change(next);
    }
    void change(LessonState next);

    LessonState state_;
};

}  // namespace ui
