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

// A header line with the case, the inputs, the classes, the seed they were drawn from and, while
// they compute, how many are ready; one row a finished class; after a blank line, the curve.
// `run` is null where there are no classes for the model's inputs.
QString experimentsData(const core::Model& model, const core::ClassesRun* run, DataFormat format);

}  // namespace ui
