// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/export/whole_file.hpp"

#include <QBuffer>
#include <QFileInfo>
#include <QSaveFile>
#include <QStorageInfo>
#include <cerrno>

namespace ui {
namespace {

// Why a write failed, from the error the system gave and what the folder looks like now.
QString failureReason(int error, const QFileInfo& target, qint64 size) {
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir()) {
        return QStringLiteral("папката „%1“ не съществува").arg(folder.filePath());
    }
    const QStorageInfo storage(folder.absoluteFilePath());
    if (error == ENOSPC || error == EDQUOT || error == EFBIG ||
        (storage.isValid() && storage.bytesAvailable() < size)) {
        return QStringLiteral("на диска няма достатъчно място");
    }
    if (error == EROFS || (storage.isValid() && storage.isReadOnly())) {
        return QStringLiteral("дискът е само за четене");
    }
    if (error == EACCES || error == EPERM || !folder.isWritable()) {
        return QStringLiteral("нямате право да записвате в тази папка");
    }
    return QStringLiteral("системата не позволи записа");
}

}  // namespace

std::optional<QString> writeWhole(const QString& path, const QByteArray& bytes) {
    const QFileInfo target(path);
    // A device or a folder under that name would be replaced by the temporary file's rename,
    // or written into directly; neither is a file a teacher means.
    if (target.exists() && !target.isFile()) {
        return QStringLiteral("„%1“ не е обикновен файл").arg(target.fileName());
    }
    QSaveFile file(path);
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return failureReason(errno, target, bytes.size());
    }
    if (file.write(bytes) != bytes.size()) {
        const int error = errno;
        file.cancelWriting();
        return failureReason(error, target, bytes.size());
    }
    if (!file.commit()) {
        return failureReason(errno, target, bytes.size());
    }
    return std::nullopt;
}

QByteArray pngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

}  // namespace ui
