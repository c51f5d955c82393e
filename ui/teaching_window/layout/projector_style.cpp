// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/layout/projector_style.hpp"

#include <QFontMetrics>
#include <QPushButton>
#include <QScreen>
#include <algorithm>

namespace ui {

QFont projectorFont(QFont font, const QScreen* screen) {
    constexpr int kScreenLines = 20;
    constexpr double kSmallest = 6;
    font.setPointSizeF(std::max(font.pointSizeF(), 12.0));
    if (screen == nullptr) {
        return font;
    }
    const int most = screen->geometry().height() / kScreenLines;
    while (QFontMetrics(font).height() > most && font.pointSizeF() > kSmallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

QFont pictureFont(const QFont& windowFont) {
    QFont font = windowFont;
    font.setPointSizeF(windowFont.pointSizeF() * 0.85);
    return font;
}

QString projectorStyleSheet() {
    return QStringLiteral(
        "QPushButton { border: 2px solid palette(mid); border-radius: 3px; padding: 1px 10px;"
        " background-color: palette(button); outline: none; }"
        "QPushButton:pressed { background-color: palette(midlight); }"
        // A button that opens a menu keeps its arrow clear of its text.
        "QPushButton:has-menu { padding-right: 2em; }"
        "QPushButton::menu-indicator { subcontrol-origin: padding;"
        " subcontrol-position: center right; right: 0.5em; }"
        "QPushButton:checked { background-color: palette(highlight);"
        " color: palette(highlighted-text); }"
        "QPushButton:focus, QComboBox:focus, QLineEdit:focus"
        " { border: 2px dashed palette(window-text); }"
        "QComboBox, QLineEdit { border: 2px solid palette(mid); border-radius: 3px;"
        " padding: 2px 6px; }");
}

QPushButton* projectorButton(const QString& text, const char* name, const QString& description,
                             QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleDescription(description);
    made->setToolTip(description);
    made->setAutoDefault(true);
    return made;
}

}  // namespace ui
