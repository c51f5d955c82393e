// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// When a page's pictures are repainted and described: the run may say it changed a thousand
// times a second, but a picture is repainted at most once a frame of the screen, and its
// description, which an assistive tool announces whenever it changes, at most twice a second
// while the run goes on and at once when it stops.

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

    void setFrameMilliseconds(int milliseconds);
    // A repaint at the end of this frame, however often it is asked for within it.
    void request();
    // Repaints and describes now, as when the window shows.
    void now();
    void stop();

  private:
    void repaint();
    void describe();

    const RunControl& run_;
    std::function<void()> repaint_;
    std::function<void()> describe_;
    QTimer* frame_ = nullptr;
    QTimer* describeLater_ = nullptr;
    QElapsedTimer described_;
};

}  // namespace ui
