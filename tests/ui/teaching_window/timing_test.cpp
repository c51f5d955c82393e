// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The pacing of fast runs and the frame throttle, on a clock the tests move by hand.

#include <QEvent>
#include <QWidget>
#include <QtTest>
#include <cstdint>

#include "ui/common/frame_throttle.hpp"
#include "ui/main_window/run_control.hpp"
#include "ui/teaching_window/pacing/tick_pacer.hpp"
#include "ui/teaching_window/pacing/typing_hold.hpp"

namespace {

// A run that counts the ticks it is asked for.
class CountingRun final : public ui::RunControl {
  public:
    void tickNow() override { ++ticks; }
    void pause() override { running = false; }
    void resume() override { running = true; }
    void startAgain() override { running = false; }
    void forgetPastRuns() override {}
    void holdTicks(bool isHeld) override { held = isHeld; }
    void setTickInterval(int milliseconds) override { interval = milliseconds; }
    [[nodiscard]] int tickInterval() const override { return interval; }
    [[nodiscard]] bool isRunning() const override { return running; }

    int ticks = 0;
    int interval = 1;
    bool running = true;
    bool held = false;
};

// Counts the repaint requests that reach a window past its other filters.
class RequestCounter final : public QObject {
  public:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        requests += event->type() == QEvent::UpdateRequest ? 1 : 0;
        return false;
    }
    int requests = 0;
};

}  // namespace

class TimingTest : public QObject {
    Q_OBJECT

  private slots:
    void pacerAddsTheTicksTheClockSaysAreDue_data() {
        QTest::addColumn<int>("interval");
        QTest::addColumn<QList<qint64>>("times");
        QTest::addColumn<QList<int>>("added");
        // The first interval of a run only starts the count.
        QTest::newRow("on time adds nothing")
            << 1 << QList<qint64>{0, 1, 2, 3} << QList<int>{0, 0, 0, 0};
        QTest::newRow("late by three ticks adds three")
            << 1 << QList<qint64>{0, 4} << QList<int>{0, 3};
        QTest::newRow("a frame's interval adds the frame's ticks")
            << 1 << QList<qint64>{0, 17, 33, 33} << QList<int>{0, 16, 15, 0};
        QTest::newRow("a stall is not caught up")
            << 1 << QList<qint64>{0, 150, 151} << QList<int>{0, 0, 0};
        QTest::newRow("ten milliseconds, twenty-five late")
            << 10 << QList<qint64>{0, 35} << QList<int>{0, 2};
    }

    void pacerAddsTheTicksTheClockSaysAreDue() {
        QFETCH(int, interval);
        QFETCH(QList<qint64>, times);
        QFETCH(QList<int>, added);
        CountingRun run;
        run.interval = interval;
        std::int64_t now = 0;
        ui::TickPacer pacer(run, [&now] { return now; });
        pacer.setActive(true);
        for (qsizetype i = 0; i < times.size(); ++i) {
            now = times[i];
            const int before = run.ticks;
            emit run.intervalElapsed();
            QCOMPARE(run.ticks - before, added[i]);
        }
    }

    void pacerAddsNothingWhenInactiveOrPaused() {
        CountingRun run;
        std::int64_t now = 0;
        ui::TickPacer pacer(run, [&now] { return now; });
        emit run.intervalElapsed();
        now = 10;
        emit run.intervalElapsed();
        QCOMPARE(run.ticks, 0);

        pacer.setActive(true);
        emit run.intervalElapsed();
        run.pause();
        now = 20;
        emit run.intervalElapsed();
        QCOMPARE(run.ticks, 0);
    }

    void pacerStartsCountingAgainAfterAPauseOrANewSpeed() {
        CountingRun run;
        std::int64_t now = 0;
        ui::TickPacer pacer(run, [&now] { return now; });
        pacer.setActive(true);
        emit run.intervalElapsed();
        // A pause heard through the run's change forgets the count: the time paused is not due.
        run.pause();
        emit run.changed();
        run.resume();
        now = 50;
        emit run.intervalElapsed();
        now = 51;
        emit run.intervalElapsed();
        QCOMPARE(run.ticks, 0);
        // A new interval starts the count afresh too.
        run.interval = 10;
        now = 90;
        emit run.intervalElapsed();
        QCOMPARE(run.ticks, 0);
        now = 120;
        emit run.intervalElapsed();
        QCOMPARE(run.ticks, 2);
    }

    // Every keystroke holds the run anew; the pause after the last one lets it go, and so does a
    // window that closes mid-word.
    void typingHoldsTheRunUntilTheTypingPauses() {
        CountingRun run;
        {
            ui::TypingHold hold(run);
            emit run.inputsEdited();
            QVERIFY(run.held);
            QTRY_VERIFY_WITH_TIMEOUT(!run.held, 5 * ui::TypingHold::kPauseMilliseconds);
            emit run.inputsEdited();
            QVERIFY(run.held);
        }
        QVERIFY(!run.held);
    }

    void throttleLetsOneRepaintThroughAFrame() {
        QWidget window;
        std::int64_t now = 0;
        ui::FrameThrottle throttle(window, [&now] { return now; });
        throttle.setFrameMilliseconds(48);
        QEvent request(QEvent::UpdateRequest);
        const auto passes = [&](std::int64_t at) {
            now = at;
            return !throttle.eventFilter(&window, &request);
        };
        // Inactive, every request passes.
        QVERIFY(passes(0));
        QVERIFY(passes(1));
        throttle.setActive(true);
        // A frame after the last paint, the next request passes; within it, it is held back,
        // and stays held until its frame is over, whatever comes meanwhile.
        QVERIFY(passes(1 + 48));
        QVERIFY(!passes(60));
        QVERIFY(!passes(200));

        RequestCounter counter;
        window.installEventFilter(&counter);
        // Switched off, the request held back is posted, and the next ones pass at once.
        throttle.setActive(false);
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
        QCOMPARE(counter.requests, 1);
        QVERIFY(passes(61));
        throttle.setActive(true);
        QVERIFY(passes(61 + 48));
        QVERIFY(!passes(61 + 48 + 47));
    }

    void throttleIgnoresOtherEventsAndWindows() {
        QWidget window;
        QWidget other;
        std::int64_t now = 0;
        ui::FrameThrottle throttle(window, [&now] { return now; });
        throttle.setActive(true);
        QEvent request(QEvent::UpdateRequest);
        QVERIFY(!throttle.eventFilter(&window, &request));
        QEvent paint(QEvent::Paint);
        QVERIFY(!throttle.eventFilter(&window, &paint));
        QVERIFY(!throttle.eventFilter(&other, &request));
    }
};

QTEST_MAIN(TimingTest)

#include "timing_test.moc"
