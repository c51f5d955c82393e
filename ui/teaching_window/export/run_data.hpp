// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The run's data as the table a teacher copies into a spreadsheet or saves as a file.

#include <QString>

#include "core/model.hpp"
#include "ui/teaching_window/export/table_writer.hpp"

namespace ui {

// A header line that names the case, the inputs and how the rows were chosen; the draws, one
// row each: every draw of the start with its demand, then the thinned series and the latest
// draw; after a blank line, how often each demand was drawn. Numbers carry the model's decimal
// separator and no group separator, so a spreadsheet reads them as numbers. A field that holds
// the field separator, a quote or a line break is quoted, its quotes doubled. The expected
// share has a column only while the class may see it.
QString runData(const core::Model& model, bool expectedShown, DataFormat format);

}  // namespace ui
