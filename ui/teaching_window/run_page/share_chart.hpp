// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <optional>
#include <vector>

#include "core/measured_share.hpp"
#include "core/model.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/teaching_window/pictures/picture.hpp"

namespace ui {

// The points the picture draws: the thinned series, then the latest tick if thinning left it
// out.
std::vector<core::RunStatistics::Point> shownSeries(const core::Model& model);

// The running share of overloaded ticks against the tick number since the last reset, with
// the expected share as a line and the 95 % band around it, read from the model when painted.
// The expected share can be hidden until a class has guessed; the guess is a line of its own.
class ShareChart final : public Picture {
    Q_OBJECT

  public:
    // Shows the expected share and the guess as the lesson says, and follows it.
    ShareChart(const core::Model& model, const Lesson& lesson, QWidget* parent = nullptr);

    [[nodiscard]] QString description() const override;
    [[nodiscard]] std::vector<LegendEntry> legend() const override;

    [[nodiscard]] QSize sizeHint() const override { return {640, 300}; }

  protected:
    [[nodiscard]] ValueScale valueScale(int plotHeight, int line) const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The expected share where it is shown.
    [[nodiscard]] std::optional<double> shownExpected() const;
    // Whether a band is drawn: the expected share is shown and some stretch of the run has one.
    [[nodiscard]] bool bandDrawn() const;

    const Lesson& lesson_;
    // Painting asks for the same bands at every frame; each is worked out once.
    mutable core::ShareBands bands_;
};

}  // namespace ui
