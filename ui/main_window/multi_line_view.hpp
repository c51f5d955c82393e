// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QObject>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace ui {

// Shows a multi-line model text in its read-only box. A grown text lays out only its new
// tail; the view follows the newest line while the reader is at the bottom and keeps their
// place while they read further up; an edit that did not come from the model is undone.
class MultiLineView final : public QObject {
  public:
    explicit MultiLineView(QPlainTextEdit* box);

    void show(const std::string& modelText);

  private:
    void noticeScroll(int value);
    void undoForeignEdit();
    void scrollToNewestLine();

    QPlainTextEdit* box_;
    // The model text the box shows.
    std::string shown_;
    bool following_ = true;
    bool writing_ = false;
};

// The part of a model text the box shows: the text ends its last line with CR LF, and the
// box would show an empty line after it.
std::string_view withoutFinalLineBreak(std::string_view modelText);

}  // namespace ui
