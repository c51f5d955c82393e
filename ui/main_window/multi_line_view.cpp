// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/multi_line_view.hpp"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>
#include <algorithm>

#include "ui/main_window/control_factory.hpp"

namespace ui {
namespace {

// How many bytes of whole lines, each with its line break, two texts start with alike.
std::size_t sameLeadingLines(std::string_view before, std::string_view after) {
    const auto differ = std::mismatch(before.begin(), before.end(), after.begin(), after.end());
    const std::string_view same = before.substr(0, differ.first - before.begin());
    const std::size_t lineEnd = same.rfind('\n');
    return lineEnd == std::string_view::npos ? 0 : lineEnd + 1;
}

}  // namespace

std::string_view withoutFinalLineBreak(std::string_view modelText) {
    if (modelText.ends_with("\r\n")) {
        modelText.remove_suffix(2);
    }
    return modelText;
}

MultiLineView::MultiLineView(QPlainTextEdit* box, const core::Model& model, core::TextField field)
    : QObject(box), box_(box), model_(model), field_(field) {
    connect(box_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &MultiLineView::noticeScroll);
    connect(box_, &QPlainTextEdit::textChanged, this, &MultiLineView::undoForeignEdit);
}

void MultiLineView::show() {
    const std::string_view after = withoutFinalLineBreak(model_.text(field_));
    const std::uint64_t rewrites = model_.rewrites(field_);
    // A CR at the end of what is shown could pair with an LF in the tail, so that case is
    // laid out anew.
    const bool grown = rewrites == shownRewrites_ && !shown_.empty() && !shown_.ends_with('\r') &&
                       after.size() >= shown_.size();
    writing_ = true;
    if (grown) {
        if (after.size() > shown_.size()) {
            QTextCursor end(box_->document());
            // In one edit the document is laid out once, at its end, not at every move.
            end.beginEditBlock();
            end.movePosition(QTextCursor::End);
            end.insertText(displayText(after.substr(shown_.size())));
            end.endEditBlock();
        }
    } else if (rewrites != shownRewrites_ || after != shown_) {
        // A new text reads from its start, and the view follows its growth from there. The
        // whole lines it starts with stay as they are shown: a log that starts over at every
        // tick keeps its heading laid out and its scroll bar as it was.
        const std::size_t kept = sameLeadingLines(shown_, after);
        if (kept == 0) {
            box_->setPlainText(displayText(after));
        } else {
            QTextCursor tail(box_->document());
            tail.beginEditBlock();
            tail.setPosition(static_cast<int>(displayText(after.substr(0, kept)).size()));
            tail.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
            tail.insertText(displayText(after.substr(kept)));
            tail.endEditBlock();
            box_->verticalScrollBar()->setValue(0);
        }
        following_ = true;
    }
    shown_.assign(after);
    shownRewrites_ = rewrites;
    if (grown && following_) {
        scrollToNewestLine();
    }
    writing_ = false;
}

void MultiLineView::noticeScroll(int value) {
    if (!writing_) {
        following_ = value >= box_->verticalScrollBar()->maximum();
    }
}

void MultiLineView::undoForeignEdit() {
    if (writing_) {
        return;
    }
    writing_ = true;
    box_->setPlainText(displayText(shown_));
    writing_ = false;
}

void MultiLineView::scrollToNewestLine() {
    QScrollBar* bar = box_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

}  // namespace ui
