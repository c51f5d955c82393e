// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QWidget>

class QBoxLayout;

namespace ui {

class Picture;

// What the arrangement of the two pictures depends on: the room they share, the gap between
// them, what each needs besides its plot when stacked (full width) and when side by side
// (half width), and a quarter of the screen's height, the least a plot should have.
struct PictureRoom {
    QSize area;
    int spacing = 0;
    int stackedChrome = 0;
    int sideBySideChrome = 0;
    int quarterScreen = 0;
};

// The smaller plot's height one above the other (the first picture takes five ninths) and
// side by side.
int stackedPlotHeight(const PictureRoom& room);
int sideBySidePlotHeight(const PictureRoom& room);

// One above the other while that leaves each plot a quarter of the screen, since a series
// over time reads best wide; side by side where that leaves the plots taller.
bool picturesSideBySide(const PictureRoom& room);

// The two pictures of the teaching window, arranged by picturesSideBySide at every size.
class PictureArea final : public QWidget {
    Q_OBJECT

  public:
    PictureArea(Picture* first, Picture* second, QWidget* parent);

    [[nodiscard]] bool sideBySide() const;
    // As small as the smaller arrangement, side by side, allows: a short window arranges
    // them so.
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void arrange();

    Picture* first_;
    Picture* second_;
    QBoxLayout* layout_;
};

}  // namespace ui
