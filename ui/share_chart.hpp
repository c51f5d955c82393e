// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QWidget>
#include <vector>

#include "core/model.hpp"

namespace ui {

// The points the picture draws: the thinned series, then the latest tick if thinning left it
// out.
std::vector<core::RunStatistics::Point> shownSeries(const core::Model& model);

// The running share of overloaded ticks against the tick number since the last reset, with
// the expected share as a line and the 95 % band around it, read from the model when painted.
class ShareChart final : public QWidget {
    Q_OBJECT

  public:
    explicit ShareChart(const core::Model& model, QWidget* parent = nullptr);

    // What the picture shows, in words, for a screen reader.
    [[nodiscard]] QString description() const;

    [[nodiscard]] QSize sizeHint() const override { return {640, 300}; }
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const core::Model& model_;
};

}  // namespace ui
