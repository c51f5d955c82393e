// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/export/save_dialogs.hpp"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QStandardPaths>
#include <QWidget>

namespace ui {
namespace {

// Asks where to save, starting in `folder` with `name`, and adds the extension where the
// user left it out; empty when the user cancelled.
QString askSavePath(QWidget* parent, const QString& title, QStandardPaths::StandardLocation folder,
                    const QString& name, const QString& filter, const QString& extension) {
    const QString start = QDir(QStandardPaths::writableLocation(folder)).filePath(name);
    QString path = QFileDialog::getSaveFileName(parent, title, start, filter);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive)) {
        path += extension;
    }
    return path;
}

void warnNotWritten(QWidget* parent, const QString& title, const QString& path) {
    QMessageBox::warning(
        parent, title,
        QStringLiteral("Файлът „%1“ не можа да бъде записан.").arg(QDir::toNativeSeparators(path)));
}

}  // namespace

QImage captionedImage(QWidget& page, const QString& caption) {
    const QFontMetrics metrics(page.font());
    const int line = metrics.height();
    const QRect captionArea(line / 2, line / 4, page.width() - line, 10 * line);
    const int top =
        metrics.boundingRect(captionArea, Qt::TextWordWrap, caption).bottom() + line / 2;
    const qreal ratio = 2 * page.devicePixelRatioF();
    QImage image(QSize(page.width(), top + page.height()) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(page.palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(page.font());
    painter.setPen(page.palette().color(QPalette::WindowText));
    painter.drawText(captionArea, Qt::TextWordWrap, caption);
    page.render(&painter, QPoint(0, top));
    return image;
}

bool savePng(const QImage& image, const QString& path) {
    return image.save(path, "PNG");
}

bool saveUtf8(const QString& text, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray bytes = text.toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

void askAndSavePng(QWidget* parent, const QImage& image) {
    const QString title = QStringLiteral("Запази като PNG");
    const QString path =
        askSavePath(parent, title, QStandardPaths::PicturesLocation, QStringLiteral("графика.png"),
                    QStringLiteral("Изображение PNG (*.png)"), QStringLiteral(".png"));
    if (!path.isEmpty() && !savePng(image, path)) {
        warnNotWritten(parent, title, path);
    }
}

void askAndSaveCsv(QWidget* parent, const QString& text) {
    const QString title = QStringLiteral("Запази данните");
    const QString path = askSavePath(parent, title, QStandardPaths::DocumentsLocation,
                                     QStringLiteral("тегления.csv"),
                                     QStringLiteral("Таблица CSV (*.csv)"), QStringLiteral(".csv"));
    if (!path.isEmpty() && !saveUtf8(text, path)) {
        warnNotWritten(parent, title, path);
    }
}

}  // namespace ui
