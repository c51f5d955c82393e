// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/application/window_placement.hpp"

#include <algorithm>

namespace ui {

QSize withinScreen(const QSize& wanted, const QRect& available) {
    return wanted.boundedTo(QSize(available.width() * 9 / 10, available.height() * 9 / 10));
}

Placement placeBeside(const QRect& available, const QRect& formFrame, const QSize& wanted,
                      const QSize& minimum) {
    const QSize size = withinScreen(wanted, available);
    const int highest = withinScreen(available.size(), available).height();
    const QPoint candidates[] = {
        {formFrame.right() + 1 + kWindowGap, formFrame.top()},
        {formFrame.left() - kWindowGap - size.width(), formFrame.top()},
        {formFrame.left(), formFrame.bottom() + 1 + kWindowGap},
        {formFrame.left(), formFrame.top() - kWindowGap - size.height()},
    };
    for (const QPoint& corner : candidates) {
        if (available.contains(QRect(corner, size))) {
            return {QRect(corner, size), std::nullopt, false};
        }
    }

    const int besideWidth = available.width() - formFrame.width() - kWindowGap;
    if (besideWidth >= minimum.width() && highest >= minimum.height()) {
        const int formTop =
            std::clamp(formFrame.top(), available.top(),
                       std::max(available.top(), available.bottom() + 1 - formFrame.height()));
        const QPoint formTopLeft(available.left(), formTop);
        const QRect window(available.left() + formFrame.width() + kWindowGap, available.top(),
                           std::min(besideWidth, wanted.width()), highest);
        return {window, formTopLeft, false};
    }

    const QPoint formCentre = formFrame.center();
    const QPoint corner(
        formCentre.x() < available.center().x() ? available.right() + 1 - size.width()
                                                : available.left(),
        formCentre.y() < available.center().y() ? available.bottom() + 1 - size.height()
                                                : available.top());
    return {QRect(corner, size), std::nullopt, true};
}

}  // namespace ui
