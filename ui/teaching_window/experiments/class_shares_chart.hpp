// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "core/classes.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/teaching_window/pictures/picture.hpp"

namespace ui {

// Many classes at once: each class's measured share as a dot, against the expected share and
// the 95 % band for that many draws; a dot outside the band in the overload colour.
class ClassSharesChart final : public Picture {
    Q_OBJECT

  public:
    // Shows the expected share and the guess as the lesson says, and follows it.
    ClassSharesChart(const core::Model& model, const Lesson& lesson, QWidget* parent = nullptr);

    // The classes to show, as far as they have run; none before the first run. Not owned.
    // Draws them all anew; a repaint adds the classes finished since the last.
    void setRun(const core::ClassesRun* run);
    [[nodiscard]] const core::ClassesRun* run() const { return run_; }

    [[nodiscard]] QString description() const override;
    [[nodiscard]] std::vector<LegendEntry> legend() const override;
    [[nodiscard]] QSize sizeHint() const override { return {480, 300}; }

  protected:
    [[nodiscard]] ValueScale valueScale(int plotHeight, int line) const override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // The expected share and the band as far as they are drawn: known and shown.
    struct Shown {
        bool hasBand = false;
        core::ShareBand band{0, 0};
        bool hasExpected = false;
        double expected = 0;

        // Whether a class's share is drawn as out of the band.
        [[nodiscard]] bool outside(double share) const;
    };
    [[nodiscard]] Shown shown() const;

    // The summary of the classes finished so far, counting only those new since the last call.
    [[nodiscard]] core::ClassesSummary summary() const;
    [[nodiscard]] double top() const;

    // What the dots drawn so far depend on; another value means drawing them all anew.
    struct DotsKey {
        std::uint64_t run = 0;
        QRect area;
        qreal ratio = 0;
        int classes = 0;
        double axisTop = 0;
        double radius = 0;
        bool hasBand = false;
        core::ShareBand band{0, 0};

        friend bool operator==(const DotsKey&, const DotsKey&) = default;
    };
    // Draws the classes finished since the last paint onto the dots already drawn: a thousand
    // antialiased dots at every slice of a run would cost more than the run.
    const QImage& dotsFor(const DotsKey& key, std::span<const std::int64_t> overloads,
                          const Shown& drawn);

    const core::ClassesRun* run_ = nullptr;
    mutable std::optional<core::ClassesTally> tally_;
    // Counts the runs shown, so that a new run at an old run's address draws anew.
    std::uint64_t runNumber_ = 0;
    const Lesson& lesson_;
    QImage dots_;
    DotsKey dotsKey_;
    std::size_t dotsDrawn_ = 0;
};

}  // namespace ui
