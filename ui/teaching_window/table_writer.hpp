// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QString>
#include <QStringList>

#include "core/model.hpp"
#include "ui/teaching_window/run_data.hpp"

namespace ui {

// Writes a table line by line in a DataFormat: fields split by tabs for the clipboard, or as
// CSV with the locale's field separator, quoted where a field holds it, a quote or a line
// break, and a byte order mark first.
class TableWriter {
  public:
    TableWriter(const core::Model& model, DataFormat format);

    void line(const QStringList& fields);
    [[nodiscard]] QString text() const { return text_; }

  private:
    static QChar fieldSeparator(const core::Model& model, DataFormat format);
    [[nodiscard]] QString quoted(const QString& field) const;

    QChar separator_;
    QString lineBreak_;
    QString text_;
};

}  // namespace ui
