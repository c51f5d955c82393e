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
    const LessonState before = std::exchange(state_, next);
    emit changed(before);
}

}  // namespace ui
