// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pictures/picture_area.hpp"

#include <QBoxLayout>
#include <QScreen>
#include <algorithm>

#include "ui/teaching_window/pictures/picture.hpp"

namespace ui {

int stackedPlotHeight(const PictureRoom& room) {
    return (room.area.height() - room.spacing) * 4 / 9 - room.stackedChrome;
}

int sideBySidePlotHeight(const PictureRoom& room) {
    return room.area.height() - room.sideBySideChrome;
}

bool picturesSideBySide(const PictureRoom& room) {
    const int stacked = stackedPlotHeight(room);
    return stacked < room.quarterScreen && sideBySidePlotHeight(room) > stacked;
}

PictureArea::PictureArea(Picture* first, Picture* second, QWidget* parent)
    : QWidget(parent),
      first_(first),
      second_(second),
      layout_(new QBoxLayout(QBoxLayout::TopToBottom, this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->addWidget(first_, 5);
    layout_->addWidget(second_, 4);
}

bool PictureArea::sideBySide() const {
    return layout_->direction() == QBoxLayout::LeftToRight;
}

QSize PictureArea::minimumSizeHint() const {
    const QSize first = first_->minimumSizeHint();
    const QSize second = second_->minimumSizeHint();
    return {first.width() + std::max(layout_->spacing(), 0) + second.width(),
            std::max(first.height(), second.height())};
}

void PictureArea::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    arrange();
}

void PictureArea::arrange() {
    const int spacing = std::max(layout_->spacing(), 0);
    const int half = (width() - spacing) / 2;
    // Each picture's chrome at the size it would have, since its text grows with it.
    const int stackedFirst = (height() - spacing) * 5 / 9;
    const PictureRoom room{
        .area = size(),
        .spacing = spacing,
        .stackedChrome =
            std::max(first_->chromeHeight({width(), stackedFirst}),
                     second_->chromeHeight({width(), height() - spacing - stackedFirst})),
        .sideBySideChrome = std::max(first_->chromeHeight({half, height()}),
                                     second_->chromeHeight({half, height()})),
        .quarterScreen = screen() != nullptr ? screen()->geometry().height() / 4 : 0,
    };
    const auto direction =
        picturesSideBySide(room) ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (layout_->direction() != direction) {
        layout_->setDirection(direction);
        // Side by side, both pictures share the width evenly.
        layout_->setStretch(0, direction == QBoxLayout::LeftToRight ? 1 : 5);
        layout_->setStretch(1, direction == QBoxLayout::LeftToRight ? 1 : 4);
    }
}

}  // namespace ui
