// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/main_form.hpp"

#include <QAbstractButton>
#include <QColorSpace>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "form_driver.hpp"
#include "scripted_random.hpp"
#include "ui/common/frame_throttle.hpp"
#include "ui/main_window/control_factory.hpp"
#include "ui/main_window/form_texts.hpp"
#include "ui/main_window/multi_line_view.hpp"

using testing_support::drawOf;
using testing_support::ScriptedRandom;
using testing_support::toQString;

class MainFormTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
    ScriptedRandom* random_ = nullptr;

    void openForm(std::vector<float> draws = {drawOf(50)}) {
        auto random = std::make_unique<ScriptedRandom>(std::move(draws));
        random_ = random.get();
        form_ = std::make_unique<ui::MainForm>(std::move(random));
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    QString logShown() { return control<QPlainTextEdit>("Text1(0)")->toPlainText(); }
    // The log box shows a model text without the empty line after its final line break.
    static QString shownFor(std::string_view modelText) {
        return ui::displayText(ui::withoutFinalLineBreak(modelText));
    }
    void tick() { QVERIFY(emitTimeout()); }

  private slots:
    void cleanup() {
        form_.reset();
        random_ = nullptr;
    }

    void startsIdleWithDefaultsAndHelpText() {
        openForm();
        QCOMPARE(form_->objectName(), QStringLiteral("MainForm"));
        QCOMPARE(form_->windowTitle(), toQString(ui::kCaption));
        QCOMPARE(form_->size(), QSize(475, 356));
        QCOMPARE(form_->windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
        // The installed PNG's pixels, as a title bar takes them, whatever colour space.
        QImage installed =
            QImage(QStringLiteral(OVERSELLING_ICON_PNG)).convertToFormat(QImage::Format_ARGB32);
        installed.setColorSpace(QColorSpace());
        QCOMPARE(form_->windowIcon()
                     .pixmap(QSize(32, 32))
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32),
                 installed);
        QCOMPARE(form_->minimumSize(), form_->maximumSize());
        QCOMPARE(box("Text2(0)")->text(), QStringLiteral("1"));
        QCOMPARE(box("Text2(1)")->text(), QStringLiteral("10"));
        QCOMPARE(box("Text1(2)")->text(), QStringLiteral("100"));
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("0"));
        QCOMPARE(logShown(), shownFor(ui::kHelpText));
        QVERIFY(control<QAbstractButton>("Option1(0)")->isChecked());
        QVERIFY(!control<QAbstractButton>("Option1(1)")->isChecked());
        QVERIFY(control("Command1(0)")->isEnabled());
        QVERIFY(!timer()->isActive());
        QCOMPARE(timer()->interval(), 1000);
        QCOMPARE(random_->reseeds(), 1U);
        QVERIFY(!form_->model().Situation.has_value());
        auto* saying = control<QPlainTextEdit>("Text1(1)");
        QVERIFY(!saying->isVisible());
        QCOMPARE(saying->toPlainText(), shownFor(ui::kSaying));
    }

    void controlsSitAtTheirGeometryWithNamesAndTabOrder() {
        openForm();
        QCOMPARE(control("Label1(0)")->geometry(), QRect(64, 0, 305, 25));
        QCOMPARE(control("Text2(2)")->geometry(), QRect(328, 64, 113, 27));
        QCOMPARE(control("Command1(1)")->geometry(), QRect(320, 168, 129, 25));
        QCOMPARE(control("Text1(0)")->geometry(), QRect(8, 232, 449, 121));
        QVERIFY(control<QPlainTextEdit>("Text1(0)")->isReadOnly());
        QVERIFY(box("Text2(2)")->isReadOnly());
        QVERIFY(box("Text2(2)")->font().bold());
        QCOMPARE(box("Text2(2)")->font().pointSizeF(), 14.25);
        QCOMPARE(control("Label1(1)")->font().family(), QStringLiteral("Times New Roman"));
        for (QWidget* widget : form_->findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty() && widget->parent() == form_.get()) {
                QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            }
        }
        QCOMPARE(box("Text1(2)")->accessibleName(), QStringLiteral("брой елементи"));
    }

    void focusStartsOnTheLogAndTabFollowsTheDesign() {
        openForm();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        QCOMPARE(QApplication::focusWidget(), control("Text1(0)"));
        // Option1(1) shares a group with Option1(0): Tab reaches the group at its selection.
        const QStringList expected = {QStringLiteral("Option1(0)"),  QStringLiteral("Text2(0)"),
                                      QStringLiteral("Text2(1)"),    QStringLiteral("Command1(0)"),
                                      QStringLiteral("Command1(1)"), QStringLiteral("Text1(2)"),
                                      QStringLiteral("Text2(2)"),    QStringLiteral("Text1(0)")};
        QStringList chain;
        for (int i = 0; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            chain << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(chain, expected);
    }

    void runTicksOncePerTimerSignal() {
        openForm({drawOf(7), drawOf(100)});
        click("Command1(0)");
        QVERIFY(timer()->isActive());
        tick();
        tick();
        QCOMPARE(logShown(), shownFor(ui::kHelpText) + QStringLiteral("\n7\n100"));
        QCOMPARE(form_->model().TickCount, 2);
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("0"));
    }

    // The ticks of one interval, the timer's and those added by whoever paces the run, reach
    // the boxes and the run's listeners once, at its end, and read as if shown one by one.
    void anIntervalsTicksAreShownTogether() {
        openForm({drawOf(7), drawOf(100)});
        ui::RunControl& run = form_->runControl();
        run.setTickInterval(1);
        connect(&run, &ui::RunControl::intervalElapsed, this, [&run] {
            for (int i = 0; i < 19; ++i) {
                run.tickNow();
            }
        });
        click("Command1(0)");
        int logChanges = 0;
        connect(control<QPlainTextEdit>("Text1(0)"), &QPlainTextEdit::textChanged, this,
                [&logChanges] { ++logChanges; });
        QSignalSpy changes(&run, &ui::RunControl::changed);
        tick();
        QCOMPARE(form_->model().TickCount, 20);
        QCOMPARE(logChanges, 1);
        QCOMPARE(changes.count(), 1);
        QCOMPARE(logShown(), shownFor(form_->model().text(core::Text1(0))));
        QCOMPARE(box("Text2(2)")->text(), toQString(form_->model().text(core::Text2(2))));
        // A step is shown at once.
        run.pause();
        changes.clear();
        run.tickNow();
        QCOMPARE(logShown(), shownFor(form_->model().text(core::Text1(0))));
        QVERIFY(changes.count() > 0);
    }

    void secondRunKeepsTheTimersPhase() {
        openForm();
        click("Command1(0)");
        QVERIFY(timer()->isActive());
        // Starting an active QTimer stops it and starts it again, a full interval from now. Qt
        // hands the freed timer id straight back, so the id cannot tell; the stop and the start
        // each tell the timer's active property.
        int stopsAndStarts = 0;
        const QPropertyNotifier watch =
            timer()->bindableActive().addNotifier([&stopsAndStarts] { ++stopsAndStarts; });
        click("Command1(0)");
        form_->runControl().resume();
        QVERIFY(timer()->isActive());
        QCOMPARE(stopsAndStarts, 0);
    }

    // A step of a paused run: one tick through the handler, and the timer neither started
    // nor stopped for it.
    void aStepWhilePausedTakesOneTickWithTheTimerOff() {
        openForm({drawOf(7), drawOf(9)});
        ui::RunControl& run = form_->runControl();
        click("Command1(0)");
        tick();
        run.pause();
        QVERIFY(!run.isRunning());
        QVERIFY(!timer()->isActive());
        QSignalSpy elapsed(&run, &ui::RunControl::intervalElapsed);
        int stopsAndStarts = 0;
        const QPropertyNotifier watch =
            timer()->bindableActive().addNotifier([&stopsAndStarts] { ++stopsAndStarts; });
        run.tickNow();
        QCOMPARE(form_->model().TickCount, 2);
        QCOMPARE(logShown(), shownFor(ui::kHelpText) + QStringLiteral("\n7\n9"));
        QVERIFY(!run.isRunning());
        QCOMPARE(stopsAndStarts, 0);
        // Only the timer's own ticks are intervals.
        QCOMPARE(elapsed.count(), 0);

        run.resume();
        QVERIFY(run.isRunning());
        tick();
        QCOMPARE(form_->model().TickCount, 3);
        QCOMPARE(elapsed.count(), 1);
    }

    void aStepWhileRunningIsOneMoreTick() {
        openForm({drawOf(7)});
        ui::RunControl& run = form_->runControl();
        run.resume();
        QVERIFY(run.isRunning());
        run.tickNow();
        QCOMPARE(form_->model().TickCount, 1);
        QVERIFY(run.isRunning());
    }

    void aStepWithTheStopMessageOpenDoesNothing() {
        openForm();
        type("Text1(2)", QStringLiteral("9E99"));
        ui::RunControl& run = form_->runControl();
        run.resume();
        tick();
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr && message->isVisible());
        const auto draws = random_->draws();
        run.tickNow();
        QCOMPARE(random_->draws(), draws);
        QCOMPARE(form_->model().TickCount, 0);
        QVERIFY(!run.isRunning());
    }

    void aStepThatStopsTheRunShowsTheMessage() {
        openForm();
        type("Text1(2)", QStringLiteral("9E99"));
        ui::RunControl& run = form_->runControl();
        run.tickNow();
        QVERIFY(!run.isRunning());
        QVERIFY(!form_->model().timerEnabled);
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr && message->isVisible());
    }

    void theTickIntervalSetsHowOftenTheTimerWakes() {
        openForm();
        ui::RunControl& run = form_->runControl();
        QCOMPARE(run.tickInterval(), 1000);
        // Faster than the screen's frames the timer wakes once a repaint.
        run.setTickInterval(1);
        QCOMPARE(run.tickInterval(), 1);
        QCOMPARE(timer()->interval(), ui::fastRepaintMilliseconds(*form_));
        run.setTickInterval(250);
        QCOMPARE(timer()->interval(), 250);
    }

    void aTimeoutWithoutRunIsNoTick() {
        openForm();
        tick();
        QCOMPARE(form_->model().TickCount, 0);
        QCOMPARE(random_->draws(), 0U);
    }

    void clearStopsAndTheNextLogStartsWithTheDemand() {
        openForm({drawOf(50)});
        type("Text1(2)", QStringLiteral("55"));
        click("Command1(0)");
        tick();
        click("Command1(1)");
        QVERIFY(!timer()->isActive());
        QCOMPARE(box("Text1(2)")->text(), QStringLiteral("100"));
        QCOMPARE(logShown(), QString());
        QCOMPARE(form_->model().TickCount, 0);
        click("Command1(0)");
        tick();
        QCOMPARE(logShown(), QStringLiteral("50"));
    }

    void optionClickSwitchesTheCaseAndResets() {
        openForm({drawOf(105)});
        type("Text2(0)", QStringLiteral("10"));
        click("Command1(0)");
        tick();
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("100"));
        click("Option1(1)");
        QCOMPARE(form_->model().Situation, 1);
        QVERIFY(!timer()->isActive());
        QCOMPARE(box("Text2(0)")->text(), QStringLiteral("1"));
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("0"));
        QCOMPARE(logShown(), QString());
        click("Command1(0)");
        tick();
        // Safety margin: 105 Mod 100 is 5, and the percentage is left alone.
        QCOMPARE(logShown(), QStringLiteral("5"));
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("0"));
    }

    void typingIsLimitedAndReachesTheModel() {
        openForm();
        type("Text2(0)", QStringLiteral("123"));
        QCOMPARE(box("Text2(0)")->text(), QStringLiteral("12"));
        type("Text1(2)", QStringLiteral("12345"));
        QCOMPARE(box("Text1(2)")->text(), QStringLiteral("1234"));
        QCOMPARE(form_->model().text(core::Text1(2)), "1234");
        QCOMPARE(box("Text2(1)")->maxLength(), 2);
        QCOMPARE(box("Text2(2)")->maxLength(), 32767);
    }

    void typingInTheMiddleKeepsTheCursor() {
        openForm();
        QLineEdit* capacity = box("Text1(2)");
        capacity->setFocus();
        capacity->setCursorPosition(1);
        QTest::keyClicks(capacity, QStringLiteral("5"));
        QCOMPARE(capacity->text(), QStringLiteral("1500"));
        QCOMPARE(capacity->cursorPosition(), 2);
        QCOMPARE(form_->model().text(core::Text1(2)), "1500");
    }

    void percentageUsesTheUsersSeparator() {
        // main() below runs the tests under a Bulgarian locale.
        QCOMPARE(QLocale::system().decimalPoint(), QStringLiteral(","));
        openForm({drawOf(105), drawOf(1), drawOf(1)});
        type("Text2(0)", QStringLiteral("10"));
        click("Command1(0)");
        tick();
        tick();
        tick();
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("33,3333333333333"));
    }

    void logKeepsTheNewestLineInView() {
        openForm({drawOf(9)});
        click("Command1(0)");
        for (int i = 0; i < 40; ++i) {
            tick();
        }
        auto* log = control<QPlainTextEdit>("Text1(0)");
        QVERIFY(log->verticalScrollBar()->maximum() > 0);
        QCOMPARE(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
        QVERIFY(!log->toPlainText().contains(QLatin1Char('\r')));

        // Past a hundred ticks the log starts over at every tick, and reads from its start.
        for (int i = 40; i < 102; ++i) {
            tick();
        }
        QCOMPARE(log->toPlainText(), QStringLiteral("Начало на ново отчитане\n9"));
        QCOMPARE(log->verticalScrollBar()->value(), 0);
    }

    void stopMessageShowsAfterTheTimerIsOffAndClearStartsOver() {
        openForm();
        type("Text1(2)", QStringLiteral("9E99"));
        click("Command1(0)");
        tick();
        QVERIFY(!timer()->isActive());
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr);
        QVERIFY(message->isVisible());
        QCOMPARE(message->text(), toQString(core::stopMessage(core::StopReason::NoDemandPossible)));
        QCOMPARE(form_->model().TickCount, 0);
        QCOMPARE(logShown(), shownFor(ui::kHelpText));
        message->close();

        click("Command1(1)");
        click("Command1(0)");
        tick();
        QCOMPARE(logShown(), QStringLiteral("50"));
    }
};

int main(int argc, char* argv[]) {
    // The percentage must follow the user's separator; Bulgarian writes a comma.
    qputenv("LC_ALL", "bg_BG.UTF-8");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    MainFormTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "main_form_test.moc"
