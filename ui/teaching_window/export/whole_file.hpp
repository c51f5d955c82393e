// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Files written whole or not at all: a teacher who saves over last week's table onto a full
// disk keeps last week's table, and no fragment is left beside it.

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

namespace ui {

// Writes the bytes to a temporary file in the same folder and puts it in the file's place only
// once every byte is on the disk. On failure the folder is as it was, and the result says why
// in Bulgarian, to follow "не можа да бъде записан, защото"; none on success.
std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes);

// The image as PNG bytes, made in memory: nothing of it reaches a file until writeWhole.
QByteArray pngBytes(const QImage& image);

}  // namespace ui
