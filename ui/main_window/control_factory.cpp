// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/control_factory.hpp"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

#include "ui/common/qt_text.hpp"
#include "ui/main_window/option_button.hpp"

namespace ui {
namespace {

// The back colours are fixed pastels, so their texts are fixed dark too: a dark desktop scheme
// would otherwise write light text on them.
void paintBackground(QWidget* widget, QRgb colour) {
    const QColor back(colour);
    const QColor ink(Qt::black);
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, back);
        palette.setColor(group, QPalette::Button, back);
        palette.setColor(group, QPalette::WindowText, ink);
        palette.setColor(group, QPalette::ButtonText, ink);
        palette.setColor(group, QPalette::Text, ink);
        palette.setColor(group, QPalette::Base, Qt::white);
    }
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// A flat face in the design's colour, with a border, a darker face while pressed, and a
// heavier border while it has the focus. The border keeps its width, so the text never moves.
QString buttonStyle(QRgb colour) {
    const QString face = QColor(colour).name();
    const QString pressed = QColor(colour).darker(125).name();
    return QStringLiteral(
               "QPushButton { background-color: %1; color: #000000;"
               " border: 2px solid #5a5a5a; border-radius: 3px; }"
               "QPushButton:pressed { background-color: %2; border-color: #000000; }"
               "QPushButton:focus { border: 2px dashed #000000; }"
               "QPushButton:focus:pressed { border-style: solid; }")
        .arg(face, pressed);
}

// Fusion marks an option's focus with a faint frame of its highlight colour, which the
// pastel backs swallow: a black dotted frame stays visible on both.
QString optionStyle(QRgb colour) {
    const QString back = QColor(colour).name();
    return QStringLiteral(
               "QRadioButton { background-color: %1; color: #000000;"
               " border: 2px solid %1; }"
               "QRadioButton:focus { border: 2px dotted #000000; }")
        .arg(back);
}

// The style's own focus frame on a text box is a faint tint of its highlight colour: a dark
// frame of the same width as the plain one shows the focus without moving the text.
QString textBoxStyle(const char* kind) {
    return QStringLiteral(
               "%1 { border: 1px solid #7a7a7a; padding: 1px; }"
               "%1:focus { border: 2px solid #000000; padding: 0px; }")
        .arg(QLatin1String(kind));
}

QWidget* createLabel(const ControlDesign& design, QWidget* form) {
    auto* label = new QLabel(toQString(design.text), form);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    return label;
}

QWidget* createTextBox(const ControlDesign& design, QWidget* form) {
    auto* box = new QLineEdit(toQString(design.text), form);
    box->setAlignment(Qt::AlignCenter);
    box->setStyleSheet(textBoxStyle("QLineEdit"));
    box->setReadOnly(design.readOnly);
    if (design.maxLength > 0) {
        box->setMaxLength(design.maxLength);
    }
    return box;
}

QWidget* createMultiLineTextBox(const ControlDesign& design, QWidget* form) {
    // Empty at first: the form shows the model's text, which holds the design text.
    auto* box = new QPlainTextEdit(form);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setReadOnly(design.readOnly);
    // Only the program writes here; an undo history would grow with every appended line.
    box->setUndoRedoEnabled(false);
    // Read-only, but a keyboard user can still move through it and select to copy.
    box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    box->setFocusPolicy(Qt::StrongFocus);
    box->setStyleSheet(textBoxStyle("QPlainTextEdit"));
    return box;
}

QWidget* createCommandButton(const ControlDesign& design, QWidget* form) {
    auto* button = new QPushButton(toQString(design.text), form);
    // Enter and keypad Enter press a focused button, as Space does.
    button->setAutoDefault(true);
    if (design.backColour) {
        button->setStyleSheet(buttonStyle(*design.backColour));
    }
    return button;
}

QWidget* createOptionButton(const ControlDesign& design, QWidget* form) {
    auto* option = new OptionButton(toQString(design.text), form);
    if (design.backColour) {
        option->setStyleSheet(optionStyle(*design.backColour));
    }
    return option;
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
            control = createOptionButton(design, form);
            break;
        case ControlKind::CommandButton:
            control = createCommandButton(design, form);
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
        paintBackground(control, *design.backColour);
    }
    control->setAccessibleName(
        toQString(design.accessibleName.empty() ? design.text : design.accessibleName));
    control->setAccessibleDescription(toQString(design.accessibleDescription));
    if (!design.visible) {
        control->hide();
    }
    return control;
}

}  // namespace ui
