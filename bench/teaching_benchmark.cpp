// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window under load. Two runs, figures rather than pass or fail:
//   teaching_benchmark offscreen TICKS   ticks through the timer's handler, offscreen, with the
//                                        teaching window open: time per tick and resident
//                                        memory after the first 10,000 ticks against the end.
//   teaching_benchmark realtime SECONDS  on the X display in DISPLAY, at "1000 в секунда", for
//                                        SECONDS with the teaching window open and SECONDS with
//                                        it minimised: ticks a second and the program's CPU
//                                        share, and while open the delay of real clicks (sent
//                                        through XTest from another thread).

#include <unistd.h>

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <thread>
#include <vector>

#include "cpu_clocks.hpp"
#include "teaching_session.hpp"
#include "ui/application/bulgarian_translation.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/teaching_window.hpp"
#include "x_clicker.hpp"

namespace {

using Clock = std::chrono::steady_clock;

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// The form with the teaching window open and a run started at 10 % overselling of `capacity`.
std::unique_ptr<ui::MainForm> startRun(const QString& capacity) {
    auto form = openTeachingSession(capacity);
    if (form) {
        form->Command1_Click(0);
    }
    return form;
}

int offscreen(long ticks) {
    // Capacity 9999 draws all 10001 demands and overloads about once in 20,000 ticks, so a
    // million ticks fill every bin and thin the series many times without reaching the limit.
    auto form = startRun(QStringLiteral("9999"));
    if (!form) {
        return 1;
    }
    // At "1000 в секунда", so both windows paint at most once a frame, as they do in the
    // program at that speed; the real timer's ticks come on top of the ones sent here.
    form->findChild<QComboBox*>(QStringLiteral("Speed"))->setCurrentIndex(3);
    ui::RunControl& run = form->runControl();
    long afterWarmUp = 0;
    long highest = 0;
    QElapsedTimer elapsed;
    for (long i = 1; i <= ticks; ++i) {
        if (i == 10'000) {
            afterWarmUp = residentKiB();
            elapsed.start();
        }
        run.tickNow();
        // The event loop between ticks, as in the running program: repaints and the frame timer.
        QCoreApplication::processEvents();
        if (i > 10'000 && i % 1000 == 0) {
            highest = std::max(highest, residentKiB());
        }
    }
    const long measured = ticks - 10'000;
    std::printf("offscreen: %ld ticks through Timer1_Timer with the teaching window open\n",
                static_cast<long>(form->model().TickCount.value_or(0)));
    if (measured > 0) {
        std::printf(
            "  time per tick after the first 10,000: %.1f us\n",
            static_cast<double>(elapsed.nsecsElapsed()) / 1000.0 / static_cast<double>(measured));
        std::printf(
            "  resident memory at tick 10,000: %ld KiB; highest after it: %ld KiB; "
            "growth %ld KiB (bound 2048)\n",
            afterWarmUp, highest, highest - afterWarmUp);
    }
    return 0;
}

class PressTimes : public QObject {
  public:
    std::vector<Clock::time_point> received;

  protected:
    bool eventFilter(QObject* /*watched*/, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) {
            received.push_back(Clock::now());
        }
        return false;
    }
};

struct Phase {
    double wallSeconds = 0;
    double cpuSeconds = 0;
    std::int64_t ticks = 0;
};

// Runs the event loop for `seconds` and measures what the program took in that time.
Phase runFor(const ui::MainForm& form, int seconds) {
    const std::int64_t ticksBefore = form.model().TickCount.value_or(0);
    const double cpuBefore = processCpuMilliseconds();
    QElapsedTimer wall;
    wall.start();
    QTimer::singleShot(seconds * 1000, qApp, &QCoreApplication::quit);
    QApplication::exec();
    return {static_cast<double>(wall.nsecsElapsed()) / 1e9,
            (processCpuMilliseconds() - cpuBefore) / 1e3,
            form.model().TickCount.value_or(0) - ticksBefore};
}

void report(const char* what, const Phase& phase, double limitPercent) {
    std::printf(
        "  %s: %.1f %% of one core (limit %.0f %%), %.0f ticks a second (limit at "
        "least 950)\n",
        what, phase.cpuSeconds / phase.wallSeconds * 100, limitPercent,
        static_cast<double>(phase.ticks) / phase.wallSeconds);
}

int realtime(int seconds) {
    auto form = startRun(QStringLiteral("100"));
    if (!form) {
        return 1;
    }
    auto* chart = form->findChild<ui::TeachingWindow*>(QStringLiteral("ChartWindow"));
    chart->findChild<QComboBox*>(QStringLiteral("Speed"))->setCurrentIndex(3);
    auto* summary = chart->findChild<QWidget*>(QStringLiteral("ChartSummary"));
    PressTimes presses;
    summary->installEventFilter(&presses);
    QTest::qWait(500);

    // XTest takes the screen's own pixels, which a scale factor makes more than Qt's.
    const QPoint target =
        summary->mapToGlobal(summary->rect().center()) * summary->devicePixelRatioF();
    auto clicker =
        std::make_unique<XClicker>(target.x(), target.y(), std::chrono::milliseconds(700));
    const Phase open = runFor(*form, seconds);
    clicker->stop();
    const auto sent = clicker->sent();
    clicker.reset();

    chart->showMinimized();
    QTest::qWait(500);
    const Phase minimised = runFor(*form, seconds);

    std::vector<double> delays;
    for (std::size_t i = 0; i < std::min(sent.size(), presses.received.size()); ++i) {
        delays.push_back(
            std::chrono::duration<double, std::milli>(presses.received[i] - sent[i]).count());
    }
    std::sort(delays.begin(), delays.end());
    std::printf(
        "realtime at 1000 a second, %d s with the teaching window open on the share "
        "page and %d s with it minimised, at scale %s:\n",
        seconds, seconds, qgetenv("QT_SCALE_FACTOR").constData());
    report("open", open, 5);
    report("minimised", minimised, 2);
    if (!delays.empty()) {
        std::printf(
            "  click to press event: median %.1f ms, slowest %.1f ms of %zu clicks "
            "(limit 50 ms)\n",
            delays[delays.size() / 2], delays.back(), delays.size());
    }
    std::printf("  resident memory: %ld KiB\n", residentKiB());
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool offscreenRun = argc == 3 && std::string_view(argv[1]) == "offscreen";
    const bool realtimeRun = argc == 3 && std::string_view(argv[1]) == "realtime";
    if (!offscreenRun && !realtimeRun) {
        std::fprintf(stderr, "usage: teaching_benchmark offscreen TICKS | realtime SECONDS\n");
        return 2;
    }
    if (offscreenRun) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else if (!qEnvironmentVariableIsSet("QT_SCALE_FACTOR")) {
        // A classroom projector: 1024x768 at twice the scale.
        qputenv("QT_SCALE_FACTOR", "2");
    }
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::installBulgarianTranslation(application);
    const long amount = std::strtol(argv[2], nullptr, 10);
    return offscreenRun ? offscreen(amount) : realtime(static_cast<int>(amount));
}
