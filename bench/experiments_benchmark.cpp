// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The experiments page (F8) at its largest, a thousand classes of ten thousand draws, on the X
// display in DISPLAY: for each of ROUNDS rounds, "Нови класове" clicked as a user clicks it,
// then the process's CPU and the wall time from the click until the summary shows the finished
// classes and is painted, and the longest time the event loop did not turn meanwhile.
//   experiments_benchmark ROUNDS

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "cpu_clocks.hpp"
#include "loop_gaps.hpp"
#include "teaching_session.hpp"
#include "ui/application/bulgarian_translation.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/experiments/experiments_page.hpp"
#include "ui/teaching_window/teaching_window.hpp"

namespace {

constexpr double kCpuLimitMilliseconds = 150;
constexpr double kNoLimit = -1;
constexpr int kRoundTimeoutMilliseconds = 30000;

struct Round {
    double processCpu = 0;
    double mainThreadCpu = 0;
    double wall = 0;
    double longestGap = 0;
    double mostGapCpu = 0;
    int gapsOverAFrame = 0;
    int classPaints = 0;
};

// Ends a round at the first paint, once the classes are done, of the summary; or of the class
// picture where the finished summary reads as the one before the click and is not painted anew.
class FinishWatch final : public QObject {
  public:
    FinishWatch(const ui::ExperimentsPage& page, QLabel& summary, QWidget& classes)
        : page_(page), summary_(summary), classes_(classes) {
        summary_.installEventFilter(this);
        classes_.installEventFilter(this);
    }

    void arm(QEventLoop& loop) {
        loop_ = &loop;
        textBefore_ = summary_.text();
        classPaints_ = 0;
    }
    [[nodiscard]] int classPaints() const { return classPaints_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || loop_ == nullptr) {
            return false;
        }
        classPaints_ += watched == &classes_ ? 1 : 0;
        if (!page_.running() && (watched == &summary_ || summary_.text() == textBefore_)) {
            // Quits once this paint, and the rest of the window's, is done.
            QTimer::singleShot(0, loop_, &QEventLoop::quit);
            loop_ = nullptr;
        }
        return false;
    }

  private:
    const ui::ExperimentsPage& page_;
    QLabel& summary_;
    QWidget& classes_;
    QEventLoop* loop_ = nullptr;
    QString textBefore_;
    int classPaints_ = 0;
};

void chooseCount(QComboBox& box, int count) {
    box.setCurrentIndex(box.findData(count));
}

bool waitUntilIdle(const ui::ExperimentsPage& page) {
    return QTest::qWaitFor([&page] { return !page.running(); }, kRoundTimeoutMilliseconds);
}

void printFigure(const char* name, std::vector<double> values, double limit) {
    std::sort(values.begin(), values.end());
    std::printf("  %-30s min %7.1f  median %7.1f  max %7.1f", name, values.front(),
                values[values.size() / 2], values.back());
    if (limit >= 0) {
        std::printf("  (limit %.1f%s)", limit, values.back() <= limit ? "" : ", exceeded");
    }
    std::printf("\n");
}

template <typename Field>
std::vector<double> figures(const std::vector<Round>& rounds, Field field) {
    std::vector<double> values;
    values.reserve(rounds.size());
    for (const Round& round : rounds) {
        values.push_back(static_cast<double>(round.*field));
    }
    return values;
}

int run(int rounds) {
    const auto form = openTeachingSession(QStringLiteral("100"));
    if (!form) {
        return 1;
    }
    auto* chart = form->findChild<ui::TeachingWindow*>(QStringLiteral("ChartWindow"));
    QTest::keyClick(chart, Qt::Key_F8);
    auto* page = chart->findChild<ui::ExperimentsPage*>();
    if (!QTest::qWaitFor([page] { return page->isVisible(); }) || !waitUntilIdle(*page)) {
        std::fprintf(stderr, "the experiments page never showed its first classes\n");
        return 1;
    }
    chooseCount(*chart->findChild<QComboBox*>(QStringLiteral("DrawsPerClass")), 10000);
    chooseCount(*chart->findChild<QComboBox*>(QStringLiteral("ClassCount")), 1000);
    if (!waitUntilIdle(*page)) {
        std::fprintf(stderr, "the first thousand classes never finished\n");
        return 1;
    }

    auto* newClasses = chart->findChild<QPushButton*>(QStringLiteral("RunClasses"));
    auto* summary = chart->findChild<QLabel*>(QStringLiteral("ClassesSummary"));
    auto* classes = chart->findChild<QWidget*>(QStringLiteral("SharePerClass"));
    FinishWatch finish(*page, *summary, *classes);
    LoopGaps gaps;
    std::vector<Round> measured;
    for (int i = 0; i < rounds; ++i) {
        // The window at rest first, as a teacher's click finds it.
        QTest::qWait(300);
        QEventLoop loop;
        finish.arm(loop);
        QTimer::singleShot(kRoundTimeoutMilliseconds, &loop, [&loop] { loop.exit(1); });
        Round round;
        QElapsedTimer wall;
        const double processBefore = processCpuMilliseconds();
        const double threadBefore = threadCpuMilliseconds();
        wall.start();
        gaps.start();
        QTest::mouseClick(newClasses, Qt::LeftButton);
        const int failed = loop.exec();
        gaps.stop();
        round.wall = static_cast<double>(wall.nsecsElapsed()) / 1e6;
        round.processCpu = processCpuMilliseconds() - processBefore;
        round.mainThreadCpu = threadCpuMilliseconds() - threadBefore;
        round.longestGap = gaps.longestMilliseconds();
        round.mostGapCpu = gaps.mostCpuMilliseconds();
        round.gapsOverAFrame = gaps.overAFrame();
        round.classPaints = finish.classPaints();
        if (failed != 0) {
            std::fprintf(stderr, "round %d: the summary never showed the finished classes\n", i);
            return 1;
        }
        std::printf(
            "round %d: CPU %.1f ms (main thread %.1f), wall %.1f ms, longest gap %.1f ms "
            "(most CPU in a gap %.1f ms), %d gaps over a frame, %d paints of the class picture\n",
            i + 1, round.processCpu, round.mainThreadCpu, round.wall, round.longestGap,
            round.mostGapCpu, round.gapsOverAFrame, round.classPaints);
        measured.push_back(round);
    }

    const QSize size = chart->size();
    std::printf(
        "1000 classes of 10,000 draws, click to summary painted, %d rounds, teaching window "
        "%dx%d at scale %.2g:\n",
        rounds, size.width(), size.height(), chart->devicePixelRatioF());
    printFigure("process CPU, ms", figures(measured, &Round::processCpu), kCpuLimitMilliseconds);
    printFigure("main thread CPU, ms", figures(measured, &Round::mainThreadCpu), kNoLimit);
    printFigure("wall time, ms", figures(measured, &Round::wall), kNoLimit);
    printFigure("longest event-loop gap, ms", figures(measured, &Round::longestGap),
                LoopGaps::kFrameMilliseconds);
    printFigure("most main-thread CPU in a gap", figures(measured, &Round::mostGapCpu),
                LoopGaps::kFrameMilliseconds);
    printFigure("gaps over a frame", figures(measured, &Round::gapsOverAFrame), 0);
    printFigure("paints of the class picture", figures(measured, &Round::classPaints), kNoLimit);
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    const long rounds = argc == 2 ? std::strtol(argv[1], nullptr, 10) : 0;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: experiments_benchmark ROUNDS\n");
        return 2;
    }
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::installBulgarianTranslation(application);
    return run(static_cast<int>(rounds));
}
