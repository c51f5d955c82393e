// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Saving what the teaching window shows: a page as a picture under a caption, and text as a
// file, each after asking where. A failed save says why and offers another place.

#include <QImage>
#include <QString>

class QWidget;

namespace ui {

// The page under a caption line (the case, the inputs, the number of draws), at twice the
// screen's pixel density so that a slide or a printout stays sharp.
QImage captionedImage(QWidget& page, const QString& caption);

// Ask where to save, in the user's pictures or documents folder, then save there.
void askAndSavePng(QWidget* parent, const QImage& image);
void askAndSaveCsv(QWidget* parent, const QString& text);

}  // namespace ui
