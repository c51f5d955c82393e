// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <optional>
#include <vector>

#include "ui/lesson/lesson.hpp"
#include "ui/teaching_window/pictures/picture.hpp"

namespace ui {

// The exact expected share against the overselling percentage from 0 to 99 for the current
// capacity, a point for each percentage, with the current inputs marked and their value
// written. Where the draw's remainder makes the share jump, the points jump with it; the
// tooltip of any point gives its exact value.
class ShareCurveChart final : public Picture {
    Q_OBJECT

  public:
    // Shows the expected share and the guess as the lesson says, and follows it.
    ShareCurveChart(const core::Model& model, const Lesson& lesson, QWidget* parent = nullptr);

    [[nodiscard]] QString description() const override;
    [[nodiscard]] std::vector<LegendEntry> legend() const override;
    [[nodiscard]] QSize sizeHint() const override { return {480, 300}; }

  protected:
    [[nodiscard]] ValueScale valueScale(int plotHeight, int line) const override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The curve, made again only when the capacity changed.
    [[nodiscard]] const std::vector<std::optional<double>>& curve() const;
    [[nodiscard]] double top() const;
    // The current inputs on the curve, as overselling percent across and expected share up;
    // none where the curve has no point for them.
    [[nodiscard]] std::optional<QPointF> now() const;

    const Lesson& lesson_;
    mutable std::optional<double> curveCapacity_;
    mutable std::vector<std::optional<double>> curve_;
};

}  // namespace ui
