// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/pacing/picture_refresh.hpp"

#include <QTimer>
#include <utility>

#include "ui/main_window/run_control.hpp"

namespace ui {
namespace {

constexpr qint64 kDescriptionMilliseconds = 500;

}  // namespace

PictureRefresh::PictureRefresh(const RunControl& run, std::function<void()> repaint,
                               std::function<void()> describe, QObject* parent)
    : QObject(parent), run_(run), repaint_(std::move(repaint)), describe_(std::move(describe)) {
    describeLater_ = new QTimer(this);
    describeLater_->setSingleShot(true);
    connect(describeLater_, &QTimer::timeout, this, &PictureRefresh::describe);
}

void PictureRefresh::now() {
    described_.invalidate();
    request();
}

void PictureRefresh::stop() {
    describeLater_->stop();
}

void PictureRefresh::describe() {
    describeLater_->stop();
    describe_();
    described_.start();
}

void PictureRefresh::request() {
    if (!run_.isRunning() || !described_.isValid() ||
        described_.elapsed() >= kDescriptionMilliseconds) {
        describe();
    } else if (!describeLater_->isActive()) {
        describeLater_->start(static_cast<int>(kDescriptionMilliseconds - described_.elapsed()));
    }
    repaint_();
}

}  // namespace ui
