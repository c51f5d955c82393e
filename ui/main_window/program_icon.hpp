// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QIcon>

namespace ui {

// The program's icon for its windows' title bars and the task bar: the picture of
// resources/overselling.png, which the package also installs for the desktop entry.
QIcon programIcon();

}  // namespace ui
