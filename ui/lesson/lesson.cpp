// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/lesson/lesson.hpp"

#include <utility>

namespace ui {

void Lesson::change(LessonState next) {
    // Views hear of changes, not of writes that leave the lesson as it was.
    if (next == state_) {
        return;
    }
    const LessonState before = std::exchange(state_, std::move(next));
    emit changed(before);
}

void Lesson::setExpectedShown(bool shown) {
    LessonState next = state_;
    next.expectedShown = shown;
    change(next);
}

void Lesson::setGuess(std::optional<double> guess) {
    LessonState next = state_;
    next.guess = guess;
    change(next);
}

void Lesson::setTickMilliseconds(int milliseconds) {
    LessonState next = state_;
    next.tickMilliseconds = milliseconds;
    change(next);
}

void Lesson::setSeed(std::optional<std::uint32_t> seed) {
    LessonState next = state_;
    next.seed = seed;
    change(next);
}

void Lesson::setPage(LessonPage page) {
    LessonState next = state_;
    next.page = page;
    change(next);
}

}  // namespace ui
