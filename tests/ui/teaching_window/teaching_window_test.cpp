// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window's wiring: how it opens, that it shows the model, and that its time
// controls reach the run only through the form's RunControl.

#include "ui/teaching_window/teaching_window.hpp"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "form_driver.hpp"
#include "scripted_random.hpp"
#include "ui/application/bulgarian_translation.hpp"
#include "ui/application/window_actions.hpp"
#include "ui/common/frame_throttle.hpp"
#include "ui/teaching_window/export/whole_file.hpp"
#include "ui/teaching_window/layout/shown_controls.hpp"
#include "ui/teaching_window/layout/summary_line.hpp"
#include "ui/teaching_window/pacing/tick_pacer.hpp"
#include "ui/teaching_window/run_page/demand_histogram.hpp"
#include "ui/teaching_window/run_page/share_chart.hpp"

using testing_support::drawOf;
using testing_support::ScriptedRandom;
using testing_support::toQString;

class TeachingWindowTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
    void openForm(std::vector<float> draws) {
        form_ = std::make_unique<ui::MainForm>(std::make_unique<ScriptedRandom>(std::move(draws)));
        ui::installWindowActions(*form_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
    }

    [[nodiscard]] ui::TeachingWindow* chart() const {
        return form_->findChild<ui::TeachingWindow*>(QStringLiteral("ChartWindow"));
    }
    template <typename T = QWidget>
    T* inChart(const char* name) const {
        return chart()->findChild<T*>(QLatin1String(name));
    }
    [[nodiscard]] QString summary() const { return inChart<QLabel>("ChartSummary")->text(); }
    // "8,10" under the Bulgarian locale the tests run in, and a no-break space before "%".
    [[nodiscard]] QString decimal(const char* text) const {
        return QString::fromUtf8(text)
            .replace(QLatin1Char('.'), toQString(form_->model().decimalSeparator()))
            .replace(QStringLiteral(" %"), QStringLiteral("\u00A0%"));
    }
    void tick() { QVERIFY(emitTimeout()); }
    // A window's keys work in the active window; offscreen, nothing else makes it so.
    static void press(QWidget* window, Qt::Key key) {
        QApplication::setActiveWindow(window);
        QTest::keyClick(window->focusWidget() != nullptr ? window->focusWidget() : window, key);
    }

    // Ten percent overselling at capacity 100, running, with the teaching window open.
    void startTenPercentRun(std::vector<float> draws) {
        openForm(std::move(draws));
        type("Text2(0)", QStringLiteral("10"));
        click("Command1(0)");
        QTest::keyClick(form_.get(), Qt::Key_F2);
        QVERIFY(chart() != nullptr && chart()->isVisible());
    }

  private slots:
    void cleanup() { form_.reset(); }

    void f2AndTheContextMenuOpenItAndTheAboutBox() {
        openForm({drawOf(1)});
        QVERIFY(chart() == nullptr);
        QTest::keyClick(form_.get(), Qt::Key_F2);
        ui::TeachingWindow* window = chart();
        QVERIFY(window != nullptr && window->isVisible() && window->isWindow());
        QCOMPARE(window->windowTitle(),
                 QStringLiteral("Графика — Надпродажба и коефициент на запас"));
        QVERIFY(!window->isModal());
        QVERIFY(window->minimumSize() != window->maximumSize());
        window->close();
        QVERIFY(!window->isVisible());

        // A right click on the form's background pops up the menu; its first item reopens.
        QStringList items;
        QTimer::singleShot(0, this, [&items] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu != nullptr);
            for (const QAction* action : menu->actions()) {
                items << action->text() + QLatin1Char('|') + action->shortcut().toString();
            }
            menu->actions().first()->trigger();
            menu->close();
        });
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(20, 200),
                                     form_->mapToGlobal(QPoint(20, 200)));
        QApplication::sendEvent(control("Label1(3)"), &rightClick);
        QCOMPARE(items,
                 QStringList({QStringLiteral("Графика…|F2"), QStringLiteral("За програмата…|")}));
        QVERIFY(window->isVisible());
        QCOMPARE(chart(), window);

        form_->findChild<QAction*>(QStringLiteral("AboutAction"))->trigger();
        QVERIFY(form_->findChild<QDialog*>(QStringLiteral("AboutBox"))->isVisible());
    }

    // Closing the main window while the teaching window is open asks first, and Enter and
    // Escape keep the program; with the teaching window closed nothing is asked.
    void closingTheMainWindowAsksWhileTheTeachingWindowIsOpen() {
        startTenPercentRun({drawOf(7)});
        // As the window manager closes it, not as the program quitting does.
        const auto closeAccepted = [this] {
            QCloseEvent close;
            QSpontaneKeyEvent::setSpontaneous(&close);
            QApplication::instance()->notify(form_.get(), &close);
            return close.isAccepted();
        };
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            QTimer::singleShot(0, this,
                               [key] { QTest::keyClick(QApplication::activeModalWidget(), key); });
            QVERIFY(!closeAccepted());
        }
        chart()->close();
        QVERIFY(closeAccepted());
    }

    void summaryTooltipAndPicturesAgreeWithTheModel() {
        startTenPercentRun({drawOf(105), drawOf(3), drawOf(50), drawOf(101)});
        QCOMPARE(summary(), QStringLiteral("Тегления: 0; претоварвания: 0; измерен дял: —; "
                                           "очакван дял: ") +
                                decimal("8.10 %"));
        QCOMPARE(box("Text2(2)")->toolTip(),
                 QStringLiteral("Очакван дял при тези стойности: ") + decimal("8.10 %"));
        for (int i = 0; i < 4; ++i) {
            tick();
        }
        QCOMPARE(summary(), QStringLiteral("Тегления: 4; претоварвания: 2; измерен дял: ") +
                                decimal("50.00 %; очакван дял: 8.10 %"));
        // The pictures describe themselves once they have been repainted, within a frame.
        auto* share = inChart<ui::ShareChart>("ShareChart");
        QTRY_VERIFY(share->accessibleDescription().startsWith(QStringLiteral("Тегления: 4.")));
        QVERIFY(share->accessibleDescription().contains(decimal("50.00")));
        QVERIFY(!share->accessibleName().isEmpty());
        auto* histogram = inChart<ui::DemandHistogram>("DemandHistogram");
        QVERIFY(histogram->accessibleDescription().contains(QStringLiteral("(претоварвания): 2")));
        QVERIFY(chart()->dataText().contains(
            QStringLiteral("\nТеглене\tТърсене\tПретоварвания\tИзмерен дял, %\tОчакван дял, %\n"
                           "1\t105\t1\t") +
            decimal("100.00\t8.10\n2\t3\t1\t50.00\t8.10\n")));
        click("CopyData");
        QCOMPARE(QGuiApplication::clipboard()->text(), chart()->dataText());
        QTemporaryDir folder;
        QVERIFY(!ui::writeWhole(folder.filePath(QStringLiteral("графика.png")),
                                ui::pngBytes(chart()->pictureImage())));
        QVERIFY(!QImage(folder.filePath(QStringLiteral("графика.png"))).isNull());

        type("Text1(2)", QStringLiteral("0"));
        QVERIFY(summary().endsWith(QStringLiteral("очакван дял: —")));
        QCOMPARE(box("Text2(2)")->toolTip(), QStringLiteral("Очакван дял при тези стойности: —"));
        click("Command1(1)");
        QVERIFY(summary().startsWith(QStringLiteral("Тегления: 0; претоварвания: 0;")));
        QVERIFY(form_->model().statistics.series().empty());
    }

    void pauseStepAndSpeedGoThroughTheHandlers() {
        startTenPercentRun({drawOf(7)});
        auto* pause = inChart<QPushButton>("Pause");
        auto* step = inChart<QPushButton>("Step");
        QVERIFY(pause->isEnabled() && !step->isEnabled());
        tick();
        QTest::mouseClick(pause, Qt::LeftButton);
        QVERIFY(!timer()->isActive());
        QCOMPARE(form_->model().TickCount, 1);
        QVERIFY(!pause->isEnabled() && step->isEnabled());
        QTest::mouseClick(step, Qt::LeftButton);
        QTest::mouseClick(step, Qt::LeftButton);
        QCOMPARE(form_->model().TickCount, 3);
        QVERIFY(!timer()->isActive());
        QVERIFY(summary().startsWith(QStringLiteral("Тегления: 3;")));
        click("Command1(0)");
        QVERIFY(timer()->isActive());
        QCOMPARE(form_->model().TickCount, 3);

        auto* speed = inChart<QComboBox>("Speed");
        const QStringList texts = {
            QStringLiteral("1 теглене в секунда"), QStringLiteral("10 тегления в секунда"),
            QStringLiteral("100 тегления в секунда"), QStringLiteral("1000 тегления в секунда")};
        const int intervals[] = {1000, 100, 10, 1};
        for (int i = 0; i < speed->count(); ++i) {
            speed->setCurrentIndex(i);
            QCOMPARE(speed->itemText(i), texts[i]);
            QCOMPARE(form_->runControl().tickInterval(), intervals[i]);
        }
        // Paused at full speed, a step is still exactly one tick, and the timer never starts
        // for it: the step button stays pressable, so the focus stays on it.
        QTest::mouseClick(pause, Qt::LeftButton);
        QCOMPARE(chart()->focusWidget(), step);
        const auto ticks = form_->model().TickCount.value_or(0);
        // The window hears of the run's changes first; a brief disable in between would cost
        // the button its focus.
        bool everDisabled = false;
        const auto watch = connect(&form_->runControl(), &ui::RunControl::changed, step,
                                   [&everDisabled, step] { everDisabled |= !step->isEnabled(); });
        QTest::keyClick(step, Qt::Key_Space);
        disconnect(watch);
        QCOMPARE(form_->model().TickCount, ticks + 1);
        QVERIFY(!everDisabled);
        QVERIFY(step->isEnabled() && !timer()->isActive());
        QCOMPARE(chart()->focusWidget(), step);
        QCoreApplication::processEvents();
        QCOMPARE(form_->model().TickCount, ticks + 1);
        click("Command1(0)");
        QVERIFY(timer()->isActive());
        // Closed, no one watches the fast run: it goes on at the designed speed, and the
        // chosen speed comes back with the window.
        chart()->close();
        QCOMPARE(timer()->interval(), 1000);
        QVERIFY(timer()->isActive());
        press(form_.get(), Qt::Key_F2);
        QVERIFY(chart()->isVisible());
        QCOMPARE(speed->currentIndex(), 3);
        QCOMPARE(form_->runControl().tickInterval(), 1);
    }

    // Enter and keypad Enter press the focused button; Escape closes the window and leaves
    // the run going.
    void theKeyboardPressesButtonsAndEscapeCloses() {
        startTenPercentRun({drawOf(7)});
        QVERIFY(QTest::qWaitForWindowActive(chart()));
        auto* pause = inChart<QPushButton>("Pause");
        pause->setFocus();
        QTest::keyClick(pause, Qt::Key_Return);
        QVERIFY(!timer()->isActive());
        auto* step = inChart<QPushButton>("Step");
        QCOMPARE(chart()->focusWidget(), step);
        QTest::keyClick(step, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(form_->model().TickCount, 1);
        QTest::keyClick(step, Qt::Key_Return);
        QCOMPARE(form_->model().TickCount, 2);
        click("Command1(0)");
        QTest::keyClick(chart()->focusWidget(), Qt::Key_Escape);
        QVERIFY(!chart()->isVisible());
        QVERIFY(timer()->isActive());
    }

    // F5 pauses and resumes and F6 steps from anywhere in the window, through the same
    // RunControl as the buttons, and neither moves the focus.
    void functionKeysPauseResumeAndStep() {
        startTenPercentRun({drawOf(7)});
        // Window keys work in the active window; offscreen, nothing else makes it so.
        QApplication::setActiveWindow(chart());
        QWidget* focused = chart()->focusWidget();
        QTest::keyClick(focused, Qt::Key_F6);
        QCOMPARE(form_->model().TickCount, 0);
        QTest::keyClick(focused, Qt::Key_F5);
        QVERIFY(!timer()->isActive());
        for (int i = 1; i <= 3; ++i) {
            QTest::keyClick(focused, Qt::Key_F6);
            QCOMPARE(form_->model().TickCount, i);
        }
        QVERIFY(!timer()->isActive());
        QTest::keyClick(focused, Qt::Key_F5);
        QVERIFY(timer()->isActive());
        QCOMPARE(form_->model().TickCount, 3);
        QCOMPARE(chart()->focusWidget(), focused);
        QVERIFY(inChart("Pause")->toolTip().contains(QStringLiteral("F5")));
        QVERIFY(inChart("Step")->toolTip().contains(QStringLiteral("F6")));
    }

    void everyControlIsReachedByTab() {
        startTenPercentRun({drawOf(7)});
        QCOMPARE(chart()->focusWidget(), inChart("Speed"));
        QAccessibleInterface* share = QAccessible::queryAccessibleInterface(inChart("ShareChart"));
        QCOMPARE(share->role(), QAccessible::Chart);
        QCOMPARE(share->text(QAccessible::Name), inChart("ShareChart")->accessibleName());
        QStringList chain;
        QWidget* widget = inChart("Speed");
        do {
            if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisible() &&
                widget->isEnabled()) {
                chain << widget->objectName();
            }
            widget = widget->nextInFocusChain();
        } while (widget != inChart("Speed"));
        QCOMPARE(chain, QStringList(
                            {QStringLiteral("Speed"), QStringLiteral("Pause"),
                             QStringLiteral("ClassGuess"), QStringLiteral("ExperimentsButton"),
                             QStringLiteral("DrawExplanationButton"), QStringLiteral("SavePicture"),
                             QStringLiteral("CopyData"), QStringLiteral("SaveData"),
                             QStringLiteral("WindowMenu"), QStringLiteral("ChartSummary"),
                             QStringLiteral("ShareChart"), QStringLiteral("DemandHistogram")}));
    }

    // A step while paused names the demand it drew, which the main window's log behind the
    // presentation would have shown; at speed nothing is named.
    void aStepNamesTheDemandItDrew() {
        startTenPercentRun({drawOf(105), drawOf(3)});
        click("Pause");
        press(chart(), Qt::Key_F6);
        auto* histogram = inChart<ui::DemandHistogram>("DemandHistogram");
        QTRY_VERIFY2(histogram->accessibleDescription().contains(
                         QStringLiteral("Последното теглене: търсене 105, претоварване.")),
                     qPrintable(histogram->accessibleDescription()));
        inChart<QComboBox>("Speed")->setCurrentIndex(3);
        click("Command1(0)");
        QTRY_VERIFY(!histogram->accessibleDescription().contains(QStringLiteral("Последното")));
    }

    // 9999 at 10 % and at 1 % expect the same share, but not the same ceiling: the open note
    // follows the inputs, not only the numbers.
    void theOpenDrawNoteFollowsTheInputs() {
        startTenPercentRun({drawOf(7)});
        type("Text1(2)", QStringLiteral("9999"));
        click("DrawExplanationButton");
        auto* note = chart()->findChild<QLabel*>(QStringLiteral("DrawExplanation"));
        QVERIFY(note != nullptr && note->isVisible());
        QVERIFY2(note->text().contains(decimal("тавана 10\u00A0999")), qPrintable(note->text()));
        // "10" to "1" in one key, so that no empty box comes between.
        box("Text2(0)")->setFocus();
        QTest::keyClick(box("Text2(0)"), Qt::Key_End);
        QTest::keyClick(box("Text2(0)"), Qt::Key_Backspace);
        QVERIFY2(note->text().contains(decimal("тавана 10\u00A0099")), qPrintable(note->text()));
    }

    // Faster than designed, ticks keep to the clock; faster than the screen's frames, both
    // windows are repainted at most once every second frame; back at one a second, neither.
    void speedsSwitchThePacingAndBothFrameThrottles_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<bool>("paced");
        QTest::addColumn<bool>("throttled");
        QTest::newRow("1 a second") << 0 << false << false;
        QTest::newRow("10 a second") << 1 << true << false;
        QTest::newRow("100 a second") << 2 << true << true;
        QTest::newRow("1000 a second") << 3 << true << true;
    }

    void speedsSwitchThePacingAndBothFrameThrottles() {
        QFETCH(int, speed);
        QFETCH(bool, paced);
        QFETCH(bool, throttled);
        startTenPercentRun({drawOf(7)});
        inChart<QComboBox>("Speed")->setCurrentIndex(speed);
        const auto throttles = form_->findChildren<ui::FrameThrottle*>();
        QCOMPARE(throttles.size(), 2);
        QSet<QObject*> windows;
        for (const ui::FrameThrottle* throttle : throttles) {
            QCOMPARE(throttle->isActive(), throttled);
            windows << throttle->parent();
        }
        QCOMPARE(windows, (QSet<QObject*>{form_.get(), chart()}));
        QCOMPARE(chart()->findChild<ui::TickPacer*>()->isActive(), paced);
        chart()->close();
        for (const ui::FrameThrottle* throttle : throttles) {
            QVERIFY(!throttle->isActive());
        }
        QVERIFY(!chart()->findChild<ui::TickPacer*>()->isActive());
    }

    // Minimised, the window makes nothing of the run; restored, it shows the run as it is.
    void aMinimisedWindowCatchesUpWhenRestored() {
        startTenPercentRun({drawOf(7)});
        tick();
        QVERIFY(summary().startsWith(QStringLiteral("Тегления: 1;")));
        chart()->showMinimized();
        tick();
        QVERIFY(summary().startsWith(QStringLiteral("Тегления: 1;")));
        chart()->showNormal();
        QVERIFY(summary().startsWith(QStringLiteral("Тегления: 2;")));
    }

    // The teacher hides the answer, presents, leaves, closes and opens again, by keys: the
    // lesson is as it was, in both windows, however the window was closed.
    void theLessonOutlivesTheWindow_data() {
        QTest::addColumn<bool>("byEscape");
        QTest::newRow("Escape") << true;
        QTest::newRow("window manager") << false;
    }

    void theLessonOutlivesTheWindow() {
        QFETCH(bool, byEscape);
        startTenPercentRun({drawOf(105)});
        const QString shownTip = box("Text2(2)")->toolTip();
        QVERIFY(shownTip.endsWith(decimal("8.10 %")));
        press(chart(), Qt::Key_F7);
        QVERIFY(box("Text2(2)")->toolTip().isEmpty());
        QTest::keyClicks(inChart<QLineEdit>("ClassGuess"), QStringLiteral("15"));
        inChart<QComboBox>("Speed")->setCurrentIndex(2);
        press(chart(), Qt::Key_F11);
        QVERIFY(chart()->isFullScreen());
        // Presenting, Escape only leaves presentation, and the menu shows it by no other item.
        QVERIFY(inChart<QAction>("CloseWindow")->shortcut().isEmpty());
        press(chart(), Qt::Key_Escape);
        QVERIFY(!chart()->isFullScreen() && chart()->isVisible());
        QCOMPARE(inChart<QAction>("CloseWindow")->shortcut(), QKeySequence(Qt::Key_Escape));
        if (byEscape) {
            press(chart(), Qt::Key_Escape);
        } else {
            QCloseEvent close;
            QApplication::sendEvent(chart(), &close);
            chart()->hide();
        }
        QVERIFY(!chart()->isVisible());
        QVERIFY(box("Text2(2)")->toolTip().isEmpty());
        press(form_.get(), Qt::Key_F2);
        QVERIFY(summary().endsWith(QStringLiteral("очакван дял: скрит")));
        QVERIFY(summary().contains(QStringLiteral("прогноза на класа: 15")));
        QVERIFY(inChart<QAction>("HideExpected")->isChecked());
        QCOMPARE(inChart<QLineEdit>("ClassGuess")->text(), QStringLiteral("15"));
        QCOMPARE(form_->runControl().tickInterval(), 10);
        QVERIFY(box("Text2(2)")->toolTip().isEmpty());
        press(chart(), Qt::Key_F7);
        QCOMPARE(box("Text2(2)")->toolTip(), shownTip);
    }

    // Presenting, the window's "Изведи" starts the run and hands the focus to "Пауза", so a
    // second Enter pauses rather than wipes it; its "Изчисти" starts the same experiment over,
    // with the teacher's values and an empty log.
    void presentationRunsAndClearsThroughTheDoor() {
        openForm({drawOf(105), drawOf(3)});
        type("Text2(0)", QStringLiteral("10"));
        press(form_.get(), Qt::Key_F2);
        press(chart(), Qt::Key_F11);
        auto* run = inChart<QPushButton>("ChartRun");
        auto* clear = inChart<QPushButton>("ChartClear");
        QVERIFY(run->isVisible() && clear->isVisible());
        QCOMPARE(run->text(), QStringLiteral("Изведи"));
        run->setFocus();
        QTest::keyClick(run, Qt::Key_Space);
        QVERIFY(timer()->isActive() && !run->isEnabled());
        tick();
        QTest::keyClick(chart()->focusWidget(), Qt::Key_Return);
        QCOMPARE(form_->model().TickCount.value_or(0), 1);
        QVERIFY(!timer()->isActive());
        QCOMPARE(run->text(), QStringLiteral("Продължи"));
        QVERIFY(run->isEnabled());
        QTest::keyClick(clear, Qt::Key_Space);
        QVERIFY(!timer()->isActive());
        QCOMPARE(form_->model().TickCount.value_or(0), 0);
        QVERIFY(form_->model().text(core::Text1(0)).empty());
        QCOMPARE(box("Text2(0)")->text(), QStringLiteral("10"));
        QVERIFY(summary().endsWith(decimal("очакван дял: 8.10 %")));
        QVERIFY(!summary().contains(QStringLiteral("промяната")));

        // Copied from the menu with its button hidden, "Копирано" shows all the same.
        QVERIFY(!inChart("CopyData")->isVisible());
        // The ninth item: after the five keys, a separator, "Как се тегли?" and the PNG.
        inChart<QPushButton>("WindowMenu")->menu()->actions().at(8)->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), chart()->dataText());
        QVERIFY(inChart("CopiedNote")->isVisible());
    }

    // A legend names what its picture draws: the expected share, its band and the histogram's
    // outline come with the answer, the guess and the overloads once there are any.
    void legendsNameWhatIsDrawn() {
        startTenPercentRun({drawOf(105), drawOf(3)});
        const auto legend = [this](const char* name) {
            QStringList texts;
            for (const ui::LegendEntry& entry : inChart<ui::Picture>(name)->legend()) {
                texts << entry.text;
            }
            return texts.join(QLatin1Char('|'));
        };
        press(chart(), Qt::Key_F7);
        QCOMPARE(legend("ShareChart"), QString());
        tick();
        tick();
        QTest::keyClicks(inChart<QLineEdit>("ClassGuess"), QStringLiteral("15"));
        QCOMPARE(legend("ShareChart"), QStringLiteral("измерен|прогноза"));
        QCOMPARE(legend("DemandHistogram"), QStringLiteral("до капацитета|претоварване"));
        press(chart(), Qt::Key_F7);
        QCOMPARE(legend("ShareChart"),
                 QStringLiteral("измерен|очакван|коридор на 95\u00A0%|прогноза"));
        QCOMPARE(legend("DemandHistogram"), QStringLiteral("до капацитета|претоварване|очаквано"));
    }

    // The earlier runs drawn behind the current one go when the teacher says so, and only then.
    void forgettingEarlierRuns() {
        startTenPercentRun({drawOf(105), drawOf(3)});
        tick();
        type("Text1(2)", QStringLiteral("50"));
        tick();
        click("Command1(1)");
        QVERIFY(!form_->model().statistics.pastRuns().empty());
        inChart<QAction>("ForgetRuns")->trigger();
        QVERIFY(form_->model().statistics.pastRuns().empty());
    }

    // Which controls a window shows, by its mode, height and page.
    void shownControlsFollowModeHeightAndPage_data() {
        QTest::addColumn<bool>("presenting");
        QTest::addColumn<bool>("tall");
        QTest::addColumn<bool>("experiments");
        // inputs and run buttons, data, run page's, experiments', explanation, experiments
        // and menu buttons, large summary
        QTest::addColumn<QString>("shown");
        QTest::newRow("windowed, tall") << false << true << false << QStringLiteral("0110111");
        QTest::newRow("windowed, short") << false << false << false << QStringLiteral("0010010");
        QTest::newRow("experiments") << false << true << true << QStringLiteral("0101011");
        QTest::newRow("presenting") << true << true << false << QStringLiteral("1010001");
        QTest::newRow("presenting, short") << true << false << true << QStringLiteral("1001000");
    }

    void shownControlsFollowModeHeightAndPage() {
        QFETCH(bool, presenting);
        QFETCH(bool, tall);
        QFETCH(bool, experiments);
        QFETCH(QString, shown);
        const ui::ShownControls got = ui::shownControls({presenting, tall, experiments});
        QString bits;
        for (const bool on : {got.inputsAndRunButtons, got.dataButtons, got.runPageControls,
                              got.experimentsControls, got.drawExplanation,
                              got.experimentsAndMenuButtons, got.largeSummary}) {
            bits += on ? QLatin1Char('1') : QLatin1Char('0');
        }
        QCOMPARE(bits, shown);
    }

    // A run's summary keeps its height as "—" turns into a share and the counts gain digits,
    // and a short progress line keeps the height of the longer summary it stands in for.
    void theSummaryKeepsItsHeight() {
        ui::SummaryLine line;
        for (int width = 100; width <= 900; width += 20) {
            line.setText(QStringLiteral("Тегления: 0; претоварвания: 0; измерен дял: —"));
            const int before = line.heightForWidth(width);
            line.setText(
                QStringLiteral("Тегления: 4 518; претоварвания: 366; измерен дял: 8,10 %"));
            QCOMPARE(line.heightForWidth(width), before);
        }
        line.resize(300, line.height());
        const int most = line.heightForWidth(300);
        line.setText(QStringLiteral("Класовете се изчисляват: 45 %"));
        QCOMPARE(line.heightForWidth(300), most);
    }

    // With the real 1 ms timer: the run stops at the overload limit with one message.
    void atFullSpeedTheStopMessageAppearsOnce() {
        openForm({drawOf(50)});
        type("Text1(2)", QStringLiteral("-5"));
        click("Command1(0)");
        QTest::keyClick(form_.get(), Qt::Key_F2);
        while (form_->model().OverloadCount < 32767 - 300) {
            tick();
        }
        inChart<QComboBox>("Speed")->setCurrentIndex(3);
        QTRY_VERIFY(!timer()->isActive());
        QCOMPARE(form_->model().OverloadCount, 32767);
        QCOMPARE(form_->findChildren<QMessageBox*>(QStringLiteral("StopMessage")).size(), 1);
        // Later intervals and steps add nothing while the message is open.
        form_->runControl().tickNow();
        QCOMPARE(form_->model().OverloadCount, 32767);
        QCOMPARE(form_->findChildren<QMessageBox*>(QStringLiteral("StopMessage")).size(), 1);
    }
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    // Offscreen, on the screen CTest names, or Qt's default where run by hand.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ui::installBulgarianTranslation(application);
    TeachingWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "teaching_window_test.moc"
