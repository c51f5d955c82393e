// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/multi_line_view.hpp"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include "ui/main_window/control_factory.hpp"

namespace ui {

std::string_view withoutFinalLineBreak(std::string_view modelText) {
    if (modelText.ends_with("\r\n")) {
        modelText.remove_suffix(2);
    }
    return modelText;
}

MultiLineView::MultiLineView(QPlainTextEdit* box) : QObject(box), box_(box) {
    connect(box_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &MultiLineView::noticeScroll);
    connect(box_, &QPlainTextEdit::textChanged, this, &MultiLineView::undoForeignEdit);
}

void MultiLineView::show(const std::string& modelText) {
    const std::string_view before = withoutFinalLineBreak(shown_);
    const std::string_view after = withoutFinalLineBreak(modelText);
    // A CR at the end of what is shown could pair with an LF in the tail, so that case is
    // laid out anew.
    const bool grown = !before.empty() && !before.ends_with('\r') &&
                       after.size() >= before.size() && after.starts_with(before);
    writing_ = true;
    if (grown) {
        if (after.size() > before.size()) {
            QTextCursor end(box_->document());
            end.movePosition(QTextCursor::End);
            end.insertText(displayText(after.substr(before.size())));
        }
    } else if (after != before) {
        // A new text reads from its start, and the view follows its growth from there.
        box_->setPlainText(displayText(after));
        following_ = true;
    }
    shown_ = modelText;
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
    box_->setPlainText(displayText(withoutFinalLineBreak(shown_)));
    writing_ = false;
}

void MultiLineView::scrollToNewestLine() {
    QScrollBar* bar = box_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

}  // namespace ui
