// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/control_factory.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ui/qt_text.hpp"

namespace ui {
namespace {

// Labels and option buttons fill their whole rectangle; a button colours its face only.
void paintBackground(QWidget* widget, ControlKind kind, QRgb colour) {
    QPalette palette = widget->palette();
    palette.setColor(widget->backgroundRole(), QColor(colour));
    widget->setPalette(palette);
    widget->setAutoFillBackground(kind != ControlKind::CommandButton);
}

QWidget* createLabel(const ControlDesign& design, QWidget* form) {
    auto* label = new QLabel(toQString(design.text), form);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QWidget* createTextBox(const ControlDesign& design, QWidget* form) {
    auto* box = new QLineEdit(toQString(design.text), form);
    box->setAlignment(Qt::AlignCenter);
    box->setReadOnly(design.readOnly);
    if (design.maxLength > 0) {
        box->setMaxLength(design.maxLength);
    }
    return box;
}

QWidget* createMultiLineTextBox(const ControlDesign& design, QWidget* form) {
    auto* box = new QPlainTextEdit(displayText(design.text), form);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(design.readOnly);
    // Only the program writes here; an undo history would grow with every appended line.
    box->setUndoRedoEnabled(false);
    // Read-only, but a keyboard user can still move through it and select to copy.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return box;
}

}  // namespace

QString displayText(std::string_view modelText) {
    QString text = toQString(modelText);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

QWidget* createControl(const ControlDesign& design, QWidget* form) {
    QWidget* control = nullptr;
    switch (design.kind) {
        case ControlKind::Label:
            control = createLabel(design, form);
            break;
        case ControlKind::OptionButton:
            control = new QRadioButton(toQString(design.text), form);
            break;
        case ControlKind::CommandButton:
            control = new QPushButton(toQString(design.text), form);
            break;
        case ControlKind::TextBox:
            control = createTextBox(design, form);
            break;
        case ControlKind::MultiLineTextBox:
            control = createMultiLineTextBox(design, form);
            break;
    }
    // Set on each control: a platform theme's font for a class of widget outranks the
    // font the form passes down.
    QFont font = form->font();
    if (design.largeBoldFont) {
        font.setPointSizeF(14.25);
        font.setBold(true);
    }
    control->setFont(font);
    control->setObjectName(toQString(design.name));
    control->setGeometry(pixelRect(design));
    if (design.backColour) {
        paintBackground(control, design.kind, *design.backColour);
    }
    control->setAccessibleName(
        toQString(design.accessibleName.empty() ? design.text : design.accessibleName));
    if (!design.visible) {
        control->hide();
    }
    return control;
}

}  // namespace ui
