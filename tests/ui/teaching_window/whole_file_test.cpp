// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// Each failure planted in a real folder: afterwards the folder holds what it held before.

#include "ui/teaching_window/export/whole_file.hpp"

#include <sys/resource.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <csignal>

namespace {

QByteArray contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

class WholeFileTest : public QObject {
    Q_OBJECT

  private slots:
    void aWholeFileReplacesTheOld() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("тегления.csv"));
        QVERIFY(!ui::writeWhole(path, "old"));
        QVERIFY(!ui::writeWhole(path, "new and longer"));
        QCOMPARE(contents(path), QByteArray("new and longer"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files),
                 QStringList{QStringLiteral("тегления.csv")});
    }

    // The disk fills up at 4 KiB: the system refuses to let a file grow past that, as a full
    // disk does, and the old file stays byte for byte.
    void aFullDiskKeepsTheOldFileAndLeavesNoFragment() {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("silent.csv"));
        QVERIFY(!ui::writeWhole(path, "eleven byte"));
        rlimit before{};
        getrlimit(RLIMIT_FSIZE, &before);
        // Past the limit a write fails instead of ending the program.
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = before;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const auto failure = ui::writeWhole(path, QByteArray(65536, 'x'));
        setrlimit(RLIMIT_FSIZE, &before);
        std::signal(SIGXFSZ, previousHandler);
        QVERIFY(failure);
        QCOMPARE(*failure, QStringLiteral("на диска няма достатъчно място"));
        QCOMPARE(contents(path), QByteArray("eleven byte"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("silent.csv")});
    }

    void theReasonNamesWhatWasWrong() {
        QTemporaryDir folder;
        const auto missing =
            ui::writeWhole(folder.filePath(QStringLiteral("няма/графика.png")), "x");
        QVERIFY(missing && missing->contains(QStringLiteral("не съществува")));
        QVERIFY(!QFileInfo::exists(folder.filePath(QStringLiteral("няма"))));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("папка.csv")));
        const auto folderNamed = ui::writeWhole(folder.filePath(QStringLiteral("папка.csv")), "x");
        QVERIFY(folderNamed && folderNamed->contains(QStringLiteral("не е обикновен файл")));
        QVERIFY(QFileInfo(folder.filePath(QStringLiteral("папка.csv"))).isDir());
    }
};

QTEST_GUILESS_MAIN(WholeFileTest)

#include "whole_file_test.moc"
