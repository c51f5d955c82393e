// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QHash>
#include <QLabel>
#include <QStringList>
#include <vector>

namespace ui {

// The summary of the teaching window: a label whose text is the exact summary, broken into
// lines only between its parts ("; "), so that a number never parts from its "%". Focusable,
// so that a keyboard or screen-reader user reaches it with Tab.
//
// Its height stays put while the text changes, so that the pictures under it never jump: it
// holds the lines the text would take with every value after a ": " as wide as "00,00 %", as
// "—" becomes a share or a count gains digits, and never fewer lines than it has needed at its
// width, as a progress line stands in for a longer summary for a while.
class SummaryLine final : public QLabel {
    Q_OBJECT

  public:
    explicit SummaryLine(QWidget* parent = nullptr);

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    [[nodiscard]] QStringList lines(int width) const;
    // The parts of the text and their widths, measured once for each text: the layout asks
    // for heights on every change, and at 1000 ticks a second shaping the text each time costs.
    void measure() const;

    mutable QString measured_;
    mutable QFont measuredFont_;
    mutable QStringList parts_;
    mutable std::vector<int> partWidths_;
    // The parts' widths with room for their values to grow.
    mutable std::vector<int> roomyWidths_;
    mutable int separatorWidth_ = 0;
    // The most lines needed at the present width.
    mutable int mostLines_ = 0;
    mutable QHash<QString, int> widths_;
    mutable QFont widthsFont_;
};

// Holds the summary line in the window's layout. A label asks its parent's layout to be redone
// on every change of its text, which at 1000 ticks a second is most of the window's work; the
// holder has no layout of its own and passes the request on only when the height changes.
class SummaryHolder final : public QWidget {
    Q_OBJECT

  public:
    SummaryHolder(SummaryLine* line, QWidget* parent);

    [[nodiscard]] QSize sizeHint() const override { return line_->sizeHint(); }
    [[nodiscard]] QSize minimumSizeHint() const override { return line_->minimumSizeHint(); }
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override {
        return line_->heightForWidth(width);
    }

  protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    SummaryLine* line_;
};

}  // namespace ui
