// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QString>
#include <QStringList>

#include "ui/common/number_texts.hpp"

namespace ui {

enum class DataFormat {
    // Tab-separated, for pasting into a spreadsheet: what "Копирай данните" copies.
    Clipboard,
    // Comma-separated values as a spreadsheet in the user's locale opens them: ';' between
    // fields where the decimal separator is ',', else ','. Lines end in CR LF, and the text
    // starts with a byte order mark, without which Excel reads UTF-8 Cyrillic as another code
    // page; write it with QString::toUtf8().
    Csv,
};

// Writes a table line by line in a DataFormat: fields split by tabs for the clipboard, or as
// CSV with the locale's field separator, quoted where a field holds it, a quote or a line
// break, and a byte order mark first.
class TableWriter {
  public:
    TableWriter(const NumberFormat& numbers, DataFormat format);

    void line(const QStringList& fields);
    [[nodiscard]] QString text() const { return text_; }

  private:
    static QChar fieldSeparator(const NumberFormat& numbers, DataFormat format);
    [[nodiscard]] QString quoted(const QString& field) const;

    QChar separator_;
    QString lineBreak_;
    QString text_;
};

}  // namespace ui
