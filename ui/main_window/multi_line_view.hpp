// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/model.hpp"

class QPlainTextEdit;

namespace ui {

// Shows a multi-line model text in its read-only box. A grown text lays out only its new
// tail, found from what was shown without reading the text before it; the view follows the
// newest line while the reader is at the bottom and keeps their place while they read further
// up; an edit that did not come from the model is undone.
class MultiLineView final : public QObject {
  public:
    MultiLineView(QPlainTextEdit* box, const core::Model& model, core::TextField field);

    // The model's text changed: shown at once, or at the next frame while deferred.
    void show();
    // Ticks faster than the screen's frames would lay out a line each; deferred, every line
    // that came in a frame is added at once, and the box reads the same at the end.
    void setDeferred(bool deferred);

  private:
    void showNow();
    void noticeScroll(int value);
    void undoForeignEdit();
    void scrollToNewestLine();

    QPlainTextEdit* box_;
    const core::Model& model_;
    core::TextField field_;
    // What the box shows: the model text's first shownLength_ bytes (without its final line
    // break) as they were after the model's shownRewrites_-th whole write.
    std::size_t shownLength_ = 0;
    std::uint64_t shownRewrites_ = 0;
    bool shownEndsWithCarriageReturn_ = false;
    bool following_ = true;
    bool writing_ = false;
    bool deferred_ = false;
    QTimer frame_;
};

// The part of a model text the box shows: the text ends its last line with CR LF, and the
// box would show an empty line after it.
std::string_view withoutFinalLineBreak(std::string_view modelText);

}  // namespace ui
