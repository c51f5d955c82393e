// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/export/table_writer.hpp"

namespace ui {

TableWriter::TableWriter(const NumberFormat& numbers, DataFormat format)
    : separator_(fieldSeparator(numbers, format)),
      lineBreak_(format == DataFormat::Csv ? QStringLiteral("\r\n") : QStringLiteral("\n")) {
    if (format == DataFormat::Csv) {
        text_ += QChar(QChar::ByteOrderMark);
    }
}

void TableWriter::line(const QStringList& fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            text_ += separator_;
        }
        text_ += quoted(fields[i]);
    }
    text_ += lineBreak_;
}

QChar TableWriter::fieldSeparator(const NumberFormat& numbers, DataFormat format) {
    if (format == DataFormat::Clipboard) {
        return u'\t';
    }
    // A spreadsheet whose locale writes decimal commas splits its CSV at semicolons.
    return numbers.decimalSeparator == "," ? u';' : u',';
}

QString TableWriter::quoted(const QString& field) const {
    const bool needsQuotes = field.contains(separator_) || field.contains(u'"') ||
                             field.contains(u'\n') || field.contains(u'\r');
    if (!needsQuotes) {
        return field;
    }
    QString doubled = field;
    doubled.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + doubled + u'"';
}

}  // namespace ui
