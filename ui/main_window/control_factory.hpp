// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QWidget>

#include "ui/main_window/control_table.hpp"

namespace ui {

// Makes one control of the table as a child of the form: geometry, colours, font, text and
// the box settings. Wiring is the form's job.
QWidget* createControl(const ControlDesign& design, QWidget* form);

// The text a box shows for a model text: Qt breaks lines at LF, the model at CR LF.
QString displayText(std::string_view modelText);

}  // namespace ui
