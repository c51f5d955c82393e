// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QLayout>
#include <QList>

namespace ui {

// Lays its widgets out left to right and wraps them onto as few rows as the width allows, so
// the teaching window's controls take one row on a wide screen and only the rows they need
// at a projector's doubled scale.
class FlowLayout final : public QLayout {
  public:
    explicit FlowLayout(QWidget* parent = nullptr);
    ~FlowLayout() override;

    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    void addItem(QLayoutItem* item) override;
    [[nodiscard]] int count() const override { return static_cast<int>(items_.size()); }
    [[nodiscard]] QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;

    [[nodiscard]] Qt::Orientations expandingDirections() const override { return {}; }
    [[nodiscard]] bool hasHeightForWidth() const override { return true; }
    [[nodiscard]] int heightForWidth(int width) const override;
    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSize() const override;
    void setGeometry(const QRect& rect) override;
    void invalidate() override;

  private:
    // Places the visible items in `rect` (only measures when `apply` is false) and returns
    // the height they take.
    int arrange(const QRect& rect, bool apply) const;

    QList<QLayoutItem*> items_;
};

// A label and its box as one item of the rows, so that they never part; the label is the
// box's buddy, and the pair passes the focus to the box.
QWidget* labelledPair(const QString& text, QWidget* box, QWidget* parent);

}  // namespace ui
