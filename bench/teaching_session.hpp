// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QString>
#include <memory>

#include "ui/main_window/main_form.hpp"

// The main window shown with 10 % overselling of `capacity` typed into it as a user types, and
// the teaching window opened beside it; none, said on stderr, where a window never shows.
std::unique_ptr<ui::MainForm> openTeachingSession(const QString& capacity);
