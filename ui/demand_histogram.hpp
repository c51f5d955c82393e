// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QWidget>

#include "core/model.hpp"

namespace ui {

// How often each demand was drawn since the last reset, with the capacity marked and the
// demands above it, the overloads, in the overload colour. Read from the model when painted.
class DemandHistogram final : public QWidget {
    Q_OBJECT

  public:
    explicit DemandHistogram(const core::Model& model, QWidget* parent = nullptr);

    // What the picture shows, in words, for a screen reader.
    [[nodiscard]] QString description() const;

    [[nodiscard]] QSize sizeHint() const override { return {640, 220}; }
    [[nodiscard]] QSize minimumSizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    const core::Model& model_;
};

}  // namespace ui
