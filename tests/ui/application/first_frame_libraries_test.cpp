// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// The program starts as fast as a window of text: by its first frame it has loaded no image
// plugin, icon engine or image library, since nothing in that frame is decoded from a file.

#include <QFile>
#include <QRegularExpression>
#include <QtTest>
#include <memory>

#include "runtime/random_source.hpp"
#include "ui/application/program_start.hpp"

class FirstFrameLibrariesTest : public QObject {
    Q_OBJECT

  private slots:
    void firstFrameLoadsNoImageDecoder() {
        const auto form = ui::startProgram(*qApp, std::make_unique<runtime::TwisterRandom>());
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QVERIFY(!form->grab().isNull());

        QFile maps(QStringLiteral("/proc/self/maps"));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        const QString mapped = QString::fromUtf8(maps.readAll());
        QVERIFY(mapped.contains(QStringLiteral("/libQt6Gui.so")));
        const QRegularExpressionMatch decoder =
            QRegularExpression(
                QStringLiteral(R"(\S*/(imageformats/|iconengines/|libQt6Svg|libjpeg)\S*)"))
                .match(mapped);
        QVERIFY2(!decoder.hasMatch(), qPrintable(decoder.captured()));
    }
};

QTEST_MAIN(FirstFrameLibrariesTest)

#include "first_frame_libraries_test.moc"
