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

MultiLineView::MultiLineView(QPlainTextEdit* box, const core::Model& model, core::TextField field)
    : QObject(box), box_(box), model_(model), field_(field) {
    connect(box_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &MultiLineView::noticeScroll);
    connect(box_, &QPlainTextEdit::textChanged, this, &MultiLineView::undoForeignEdit);
    // About a frame of a 60 Hz screen.
    constexpr int kFrameMilliseconds = 16;
    frame_.setSingleShot(true);
    frame_.setInterval(kFrameMilliseconds);
    connect(&frame_, &QTimer::timeout, this, &MultiLineView::showNow);
}

void MultiLineView::show() {
    if (!deferred_) {
        showNow();
    } else if (!frame_.isActive()) {
        frame_.start();
    }
}

void MultiLineView::setDeferred(bool deferred) {
    deferred_ = deferred;
    if (!deferred_ && frame_.isActive()) {
        frame_.stop();
        showNow();
    }
}

void MultiLineView::showNow() {
    const std::string_view after = withoutFinalLineBreak(model_.text(field_));
    const std::uint64_t rewrites = model_.rewrites(field_);
    // A CR at the end of what is shown could pair with an LF in the tail, so that case is
    // laid out anew.
    const bool grown = rewrites == shownRewrites_ && shownLength_ > 0 &&
                       !shownEndsWithCarriageReturn_ && after.size() >= shownLength_;
    writing_ = true;
    if (grown) {
        if (after.size() > shownLength_) {
            QTextCursor end(box_->document());
            end.movePosition(QTextCursor::End);
            end.insertText(displayText(after.substr(shownLength_)));
        }
    } else if (rewrites != shownRewrites_ || after.size() != shownLength_) {
        // A new text reads from its start, and the view follows its growth from there.
        box_->setPlainText(displayText(after));
        following_ = true;
    }
    shownLength_ = after.size();
    shownRewrites_ = rewrites;
    shownEndsWithCarriageReturn_ = after.ends_with('\r');
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
    box_->setPlainText(
        displayText(withoutFinalLineBreak(model_.text(field_)).substr(0, shownLength_)));
    writing_ = false;
}

void MultiLineView::scrollToNewestLine() {
    QScrollBar* bar = box_->verticalScrollBar();
    bar->setValue(bar->maximum());
}

}  // namespace ui
