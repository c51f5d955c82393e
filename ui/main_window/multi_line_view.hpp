// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QObject>
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

    // Shows the model's text as it is now, adding only what came after what was shown.
    void show();

  private:
    void noticeScroll(int value);
    void undoForeignEdit();
    void scrollToNewestLine();

    QPlainTextEdit* box_;
    const core::Model& model_;
    core::TextField field_;
    // What the box shows: the model's text without its final line break, as it was after
    // the model's shownRewrites_-th whole write.
    std::string shown_;
    std::uint64_t shownRewrites_ = 0;
    bool following_ = true;
    bool writing_ = false;
};

// The part of a model text the box shows: the text ends its last line with CR LF, and the
// box would show an empty line after it.
std::string_view withoutFinalLineBreak(std::string_view modelText);

}  // namespace ui
