// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// Drives the real window, offscreen, through 200,000 ticks by the timer's signal (or as many
// as OVERSELLING_SOAK_TICKS says), switching the case and pressing Clear now and then, and
// checks that nothing is lost or corrupted: the log stays bounded, the counters and the
// percentage agree with what was drawn, and the resident memory does not grow.

#include <unistd.h>

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <cmath>
#include <fstream>
#include <memory>

#include "form_driver.hpp"
#include "runtime/number_text.hpp"
#include "scripted_random.hpp"
#include "ui/main_window/main_form.hpp"

namespace {

using testing_support::toQString;

// Real draws, remembered so the test can work out what each tick had to do.
class RecordingRandom final : public runtime::RandomSource {
  public:
    float next() override {
        last_ = inner_.next();
        return last_;
    }
    void reseedFromClock() override { inner_.reseedFromClock(); }
    void reseed(std::uint32_t seed) override { inner_.reseed(seed); }
    [[nodiscard]] float last() const { return last_; }

  private:
    runtime::TwisterRandom inner_;
    float last_ = 0;
};

// The sanitized build runs a shorter soak: each tick costs many times more there.
int soakTicks() {
    bool ok = false;
    const int ticks = qEnvironmentVariableIntValue("OVERSELLING_SOAK_TICKS", &ok);
    return ok && ticks > 0 ? ticks : 200'000;
}

// AddressSanitizer keeps freed memory in quarantine, so resident memory grows there by design;
// its leak check stands in for the growth check.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kResidentMemoryIsOurs = false;
#else
constexpr bool kResidentMemoryIsOurs = true;
#endif

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

}  // namespace

class SoakTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
    // As in the running program, the event loop runs between ticks: what a tick posts (scroll
    // bar range changes, repaints) is handled before the next one.
    void tick() {
        QVERIFY(emitTimeout());
        QCoreApplication::sendPostedEvents();
    }

  private slots:
    void cleanup() { form_.reset(); }

    void longRunLosesNothing() {
        auto random = std::make_unique<RecordingRandom>();
        RecordingRandom* draws = random.get();
        form_ = std::make_unique<ui::MainForm>(std::move(random));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        const core::Model& model = form_->model();
        auto* log = control<QPlainTextEdit>("Text1(0)");
        auto* percentage = control<QLineEdit>("Text2(2)");

        const int ticksToRun = soakTicks();
        bool overselling = true;
        std::int64_t ticks = 0;
        int overloads = 0;
        long residentAfterWarmUp = 0;
        for (int i = 0; i < ticksToRun; ++i) {
            if (i % 5000 == 0) {
                if (i % 20000 == 0) {
                    overselling = !overselling || i == 0;
                    click(overselling ? "Option1(0)" : "Option1(1)");
                } else {
                    click("Command1(1)");
                }
                type("Text2(0)", QStringLiteral("10"));
                click("Command1(0)");
                ticks = 0;
                overloads = 0;
            }
            tick();
            ++ticks;
            const int ceiling = overselling ? 110 : 100;
            const auto rawDraw = static_cast<float>(draws->last() * 10000.0F);
            const int demand = static_cast<int>(std::nearbyint(rawDraw)) % ceiling;
            overloads += demand > 100 ? 1 : 0;
            QCOMPARE(model.TickCount, ticks);
            QCOMPARE(int{model.OverloadCount}, overloads);

            if (i % 997 == 0) {
                const QString lastLine = log->toPlainText().section(u'\n', -1);
                QCOMPARE(lastLine, (demand > 100 ? QStringLiteral("Претоварване ") : QString()) +
                                       QString::number(demand));
                const double share = ticks == 0 ? 0 : overloads / double(ticks) * 100;
                QCOMPARE(percentage->text(),
                         toQString(runtime::textOfDouble(share, model.decimalSeparator())));
                // Header or help text, then at most a hundred lines.
                QVERIFY(log->blockCount() <= 1 + 100 + 3);
            }
            if (i == 1000) {
                residentAfterWarmUp = residentBytes();
            }
        }
        const long growth = residentBytes() - residentAfterWarmUp;
        qInfo("resident memory grew by %ld KiB over %d ticks", growth / 1024, ticksToRun);
        if constexpr (kResidentMemoryIsOurs) {
            QVERIFY(growth < 2L * 1024 * 1024);
        }
    }

    void negativeCapacityFillsTheOverloadCounterAndStops() {
        form_ = std::make_unique<ui::MainForm>(
            std::make_unique<testing_support::ScriptedRandom>(std::vector<float>{0.5F}));
        type("Text1(2)", QStringLiteral("-5"));
        click("Command1(0)");
        auto* timer = control<QTimer>("Timer1");
        int ticks = 0;
        while (timer->isActive() && ticks < 40000) {
            tick();
            ++ticks;
        }
        QVERIFY(!timer->isActive());
        QCOMPARE(form_->model().OverloadCount, 32767);
        QCOMPARE(form_->model().TickCount, 32767);
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr);
        QCOMPARE(message->text(),
                 toQString(core::stopMessage(core::StopReason::OverloadLimitReached)));
        QCOMPARE(control<QLineEdit>("Text2(2)")->text(), QStringLiteral("100"));
    }
};

QTEST_MAIN(SoakTest)
#include "soak_test.moc"
