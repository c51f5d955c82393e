// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_page/draw_explanation.hpp"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

DrawExplanation::DrawExplanation(const core::Model& model, QWidget* parent)
    : QDialog(parent), model_(model), note_(new QLabel(this)) {
    setWindowTitle(QStringLiteral("Как се тегли?"));
    note_->setObjectName(QStringLiteral("DrawExplanation"));
    note_->setAccessibleName(QStringLiteral("Как се тегли?"));
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    note_->setFocusPolicy(Qt::StrongFocus);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("Затвори"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(buttons);
    // About 45 characters a line reads well and leaves room for the pictures beside it.
    note_->setMinimumWidth(fontMetrics().averageCharWidth() * 45);
    refresh(true);
}

void DrawExplanation::refresh(bool expectedShown) {
    const QString text = drawExplanationText(model_, expectedShown);
    if (note_->text() != text) {
        note_->setText(text);
    }
}

}  // namespace ui
