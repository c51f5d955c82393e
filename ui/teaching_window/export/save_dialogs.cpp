// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/export/save_dialogs.hpp"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QStandardPaths>
#include <QWidget>

#include "ui/common/two_way_question.hpp"
#include "ui/teaching_window/export/whole_file.hpp"

namespace ui {
namespace {

struct SaveTarget {
    QString title;
    QStandardPaths::StandardLocation folder;
    QString name;
    QString filter;
    QString extension;
};

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// At a projector's large scale the dialog would be larger than the screen, its buttons out of
// reach; it takes what the screen has, and its lists scroll.
void fitToScreen(QWidget& dialog, const QWidget* parent) {
    const QScreen* screen = parent != nullptr ? parent->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QSize room = screen->availableGeometry().size() * 9 / 10;
    dialog.setMinimumSize(dialog.minimumSize().boundedTo(room));
    dialog.resize(dialog.sizeHint().boundedTo(room));
}

bool confirmReplace(QWidget* parent, const QString& title, const QString& path) {
    return askTwoWay(parent, {.icon = QMessageBox::Question,
                              .title = title,
                              .text = QStringLiteral("Файлът „%1“ вече съществува. Да бъде ли "
                                                     "заменен?")
                                          .arg(shownPath(path)),
                              .yes = QStringLiteral("Замени"),
                              .no = QStringLiteral("Не")});
}

// Asks where to save, starting at `start`; adds the extension where the user left it out, and
// asks before replacing the file that will really be written. Empty when the user cancelled.
QString askSavePath(QWidget* parent, const SaveTarget& target, QString start) {
    for (;;) {
        QFileDialog dialog(parent, target.title, QFileInfo(start).absolutePath(), target.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // The question is asked below, for the name with its extension.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Папка:"));
        dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Име на файла:"));
        dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Вид на файла:"));
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Запази"));
        dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Отказ"));
        dialog.selectFile(QFileInfo(start).fileName());
        fitToScreen(dialog, parent);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return {};
        }
        QString path = dialog.selectedFiles().constFirst();
        if (!path.endsWith(target.extension, Qt::CaseInsensitive)) {
            path += target.extension;
        }
        if (!QFileInfo::exists(path) || confirmReplace(parent, target.title, path)) {
            return path;
        }
        start = path;
    }
}

// True when the user wants to try another place.
bool offerAnotherPlace(QWidget* parent, const QString& title, const QString& path,
                       const QString& reason) {
    return askTwoWay(parent, {.icon = QMessageBox::Warning,
                              .title = title,
                              .text = QStringLiteral("Файлът „%1“ не можа да бъде записан, защото "
                                                     "%2.")
                                          .arg(shownPath(path), reason),
                              .yes = QStringLiteral("Избери друго място…"),
                              .no = QStringLiteral("Отказ"),
                              .yesIsDefault = true});
}

void askAndSave(QWidget* parent, const SaveTarget& target, const QByteArray& bytes) {
    QString start = QDir(QStandardPaths::writableLocation(target.folder)).filePath(target.name);
    for (;;) {
        const QString path = askSavePath(parent, target, start);
        if (path.isEmpty()) {
            return;
        }
        const auto failure = writeWhole(path, bytes);
        if (!failure || !offerAnotherPlace(parent, target.title, path, *failure)) {
            return;
        }
        start = path;
    }
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

void askAndSavePng(QWidget* parent, const QImage& image) {
    askAndSave(parent,
               {QStringLiteral("Запази като PNG"), QStandardPaths::PicturesLocation,
                QStringLiteral("графика.png"), QStringLiteral("Изображение PNG (*.png)"),
                QStringLiteral(".png")},
               pngBytes(image));
}

void askAndSaveCsv(QWidget* parent, const QString& text) {
    askAndSave(parent,
               {QStringLiteral("Запази данните"), QStandardPaths::DocumentsLocation,
                QStringLiteral("тегления.csv"), QStringLiteral("Таблица CSV (*.csv)"),
                QStringLiteral(".csv")},
               text.toUtf8());
}

}  // namespace ui
