// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <memory>

#include "runtime/random_source.hpp"
#include "ui/main_window/main_form.hpp"

class QApplication;

namespace ui {

// The program's start from the application object to its first frame: what the program says
// about itself, its style and language, and the main window with the actions both windows
// share, shown. main() runs it before the event loop, and the start-up test runs the same.
std::unique_ptr<MainForm> startProgram(QApplication& application,
                                       std::unique_ptr<runtime::RandomSource> random);

}  // namespace ui
