// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <vector>

#include "core/model.hpp"
#include "ui/teaching_window/picture.hpp"

namespace ui {

// The points the picture draws: the thinned series, then the latest tick if thinning left it
// out.
std::vector<core::RunStatistics::Point> shownSeries(const core::Model& model);

// The running share of overloaded ticks against the tick number since the last reset, with
// the expected share as a line and the 95 % band around it, read from the model when painted.
class ShareChart final : public Picture {
    Q_OBJECT

  public:
    explicit ShareChart(const core::Model& model, QWidget* parent = nullptr);

    [[nodiscard]] QString description() const override;

    [[nodiscard]] QSize sizeHint() const override { return {640, 300}; }

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace ui
