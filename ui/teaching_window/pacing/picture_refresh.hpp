// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// When a page's pictures are repainted and described: a repaint asked for is painted with the
// window's next paint, which the window's frame throttle holds to its pace at fast runs, and
// the description, which an assistive tool announces whenever it changes, is made at most
// twice a second while the run goes on and at once when it stops.

#include <QElapsedTimer>
#include <QObject>
#include <functional>

class QTimer;

namespace ui {

class RunControl;

class PictureRefresh final : public QObject {
    Q_OBJECT

  public:
    PictureRefresh(const RunControl& run, std::function<void()> repaint,
                   std::function<void()> describe, QObject* parent);

    void request();
    // Repaints and describes now, as when the window shows.
    void now();
    void stop();

  private:
    void describe();

    const RunControl& run_;
    std::function<void()> repaint_;
    std::function<void()> describe_;
    QTimer* describeLater_ = nullptr;
    QElapsedTimer described_;
};

}  // namespace ui
