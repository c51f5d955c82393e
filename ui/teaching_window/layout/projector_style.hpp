// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// How the teaching window reads from the back row of a classroom: its text size, the heavy
// focus frame, and its buttons.

#include <QFont>
#include <QString>

class QPushButton;
class QScreen;
class QWidget;

namespace ui {

// Twelve points at least; but no larger than leaves the screen twenty lines of text, so that
// at a projector's doubled scale, or with a desktop's larger fonts, the pictures keep their
// room.
QFont projectorFont(QFont font, const QScreen* screen);

// The pictures' text: a little smaller than the controls', still large from the back row, and
// it leaves the plots their room on a projector's doubled scale.
QFont pictureFont(const QFont& windowFont);

// A window is short below this many lines of its text (a projector's doubled scale).
inline constexpr int kShortWindowLines = 30;

// The style marks the focus with a thin outline that a projector loses: a heavy dashed frame
// in the text's colour, that keeps its width in every state so nothing moves, and reads on a
// light or a dark scheme.
QString projectorStyleSheet();

// A button whose tooltip and accessible description say what it does, and that Enter and
// keypad Enter press when it has the focus, as Space does.
QPushButton* projectorButton(const QString& text, const char* name, const QString& description,
                             QWidget* parent);

}  // namespace ui
