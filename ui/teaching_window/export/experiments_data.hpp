// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The experiments page's data as a table: each class's overloads and share, and the expected
// share at every overselling percentage.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/classes.hpp"
#include "core/model.hpp"
#include "ui/teaching_window/export/table_writer.hpp"

namespace ui {

// A header line with the case, the inputs, the classes and the seed; one row a finished class;
// after a blank line, the curve. `run` may be null before the first classes.
QString experimentsData(const core::Model& model, const core::ClassesRun* run,
                        std::optional<std::uint32_t> seed, DataFormat format);

}  // namespace ui
