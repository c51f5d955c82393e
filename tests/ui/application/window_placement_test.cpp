// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// Where the teaching window opens: never over the main window's inputs where the screen allows.

#include "ui/application/window_placement.hpp"

#include <QtTest>

Q_DECLARE_METATYPE(std::optional<QPoint>)

namespace {

// The main window as it opens: 475 x 356 inside a frame of 3 px and a 20 px title bar.
constexpr QSize kFormFrame(481, 379);
const QSize kWanted(660, 670);
const QSize kMinimum(500, 420);

QRect centred(const QRect& screen) {
    return {screen.center() - QPoint(kFormFrame.width() / 2, kFormFrame.height() / 2), kFormFrame};
}

}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

  private slots:
    void opensWhereBothStayUsable_data() {
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("form");
        QTest::addColumn<QRect>("window");
        QTest::addColumn<std::optional<QPoint>>("formMovesTo");
        QTest::addColumn<bool>("maximised");

        const QRect fullHd(0, 0, 1920, 1080);
        QTest::newRow("wide screen: beside, on the right")
            << fullHd << centred(fullHd)
            << QRect(centred(fullHd).right() + 1 + ui::kWindowGap, centred(fullHd).top(), 660, 670)
            << std::optional<QPoint>() << false;
        QTest::newRow("form at the screen's right: beside, on the left")
            << fullHd << QRect({1400, 100}, kFormFrame)
            << QRect(1400 - ui::kWindowGap - 660, 100, 660, 670) << std::optional<QPoint>()
            << false;

        // The projector: no side has room for the whole window, so the form moves to the left
        // edge and the window takes the rest of the width, nine tenths of the height.
        const QRect projector(0, 0, 1024, 768);
        QTest::newRow("1024 x 768: the form moves aside")
            << projector << centred(projector)
            << QRect(481 + ui::kWindowGap, 0, 1024 - 481 - ui::kWindowGap, 691)
            << std::optional<QPoint>(QPoint(0, centred(projector).top())) << false;
        QTest::newRow("a panel on top: the window starts below it")
            << QRect(0, 30, 1024, 738) << QRect({271, 10}, kFormFrame) << QRect(489, 30, 535, 664)
            << std::optional<QPoint>(QPoint(0, 30)) << false;

        // At one and a half times the scale not even a narrow window fits beside the form: it
        // opens maximised, and restored, the corner farthest from the form keeps as much of both
        // in view as there is.
        const QRect scaled(0, 0, 683, 512);
        QTest::newRow("683 x 512: maximised")
            << scaled << QRect({0, 0}, kFormFrame) << QRect(683 - 614, 512 - 460, 614, 460)
            << std::optional<QPoint>() << true;
    }

    void opensWhereBothStayUsable() {
        QFETCH(QRect, available);
        QFETCH(QRect, form);
        QFETCH(QRect, window);
        QFETCH(std::optional<QPoint>, formMovesTo);
        QFETCH(bool, maximised);
        const ui::Placement placement = ui::placeBeside(available, form, kWanted, kMinimum);
        QCOMPARE(placement.window, window);
        QCOMPARE(placement.formTopLeft, formMovesTo);
        QCOMPARE(placement.maximised, maximised);
        QVERIFY(available.contains(placement.window));
        // Wherever the form ends up, a window beside it does not cover it.
        const QRect formAfter(placement.formTopLeft.value_or(form.topLeft()), form.size());
        QVERIFY(placement.maximised || !placement.window.intersects(formAfter));
    }
};

QTEST_APPLESS_MAIN(WindowPlacementTest)

#include "window_placement_test.moc"
