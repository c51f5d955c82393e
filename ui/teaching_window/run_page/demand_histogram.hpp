// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include "core/model.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/teaching_window/pictures/picture.hpp"

namespace ui {

// How often each demand was drawn since the last reset, with the capacity marked and the
// demands above it, the overloads, in the overload colour. Read from the model when painted.
// How often each is expected to be drawn is an outline, hidden with the expected share.
class DemandHistogram final : public Picture {
    Q_OBJECT

  public:
    // Shows the expected outline as the lesson says, and follows it.
    DemandHistogram(const core::Model& model, const Lesson& lesson, QWidget* parent = nullptr);

    [[nodiscard]] QString description() const override;
    [[nodiscard]] std::vector<LegendEntry> legend() const override;

    [[nodiscard]] QSize sizeHint() const override { return {640, 220}; }

    // While the run is paused or slow, the latest draw's demand is marked under its column and
    // named, so that a single step shows what it drew; at speed the mark would only flicker.
    void setLatestMarked(bool marked);

  protected:
    // The count axis for the counts drawn, with as many steps as the plot's height allows.
    [[nodiscard]] ValueScale valueScale(int plotHeight, int line) const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // Whether the expected outline is drawn: it is shown, something can be drawn and was.
    [[nodiscard]] bool outlineDrawn() const;
    void showToolTip();

    const Lesson& lesson_;
    bool latestMarked_ = false;
};

}  // namespace ui
