// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// The window as keyboard users and assistive tools meet it: every path into a handler, what
// the boxes show, and the colours under a dark desktop scheme.

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleEditableTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <optional>

#include "form_driver.hpp"
#include "scripted_random.hpp"
#include "ui/main_window/control_factory.hpp"
#include "ui/main_window/control_table.hpp"
#include "ui/main_window/form_texts.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/main_window/multi_line_view.hpp"

using testing_support::drawOf;
using testing_support::ScriptedRandom;
using testing_support::toQString;

namespace {

double relativeLuminance(QColor colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(QColor first, QColor second) {
    const double a = relativeLuminance(first);
    const double b = relativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

QPalette darkPalette() {
    QPalette palette(QColor(0x30, 0x30, 0x30), QColor(0x20, 0x20, 0x20));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
        palette.setColor(role, QColor(0xF0, 0xF0, 0xF0));
    }
    palette.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    return palette;
}

// The ways a pupil, a keyboard user, an assistive tool or code can choose an option.
enum class Choice {
    MouseOnTheOther,
    MouseOnTheSelected,
    DownArrow,
    SpaceOnTheSelected,
    AssistiveToggle,
    AssistivePress,
    SetCheckedFromCode,
};

// The ways the text of an input can change besides typing.
enum class Change {
    SetTextFromOutside,
    Paste,
    Undo,
    AssistiveReplace,
    AssistiveDeleteToEmpty,
    AssistiveInsert,
};

}  // namespace

Q_DECLARE_METATYPE(Choice)
Q_DECLARE_METATYPE(Change)

class InputPathsTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
    // The desktop's palette, while a test stands in another scheme.
    std::optional<QPalette> savedPalette_;

    void openForm(std::vector<float> draws = {drawOf(50)}) {
        form_ = std::make_unique<ui::MainForm>(std::make_unique<ScriptedRandom>(std::move(draws)));
        form_->show();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    }

    QPlainTextEdit* log() const { return control<QPlainTextEdit>("Text1(0)"); }
    void tick() const { QVERIFY(emitTimeout()); }
    QAccessibleInterface* accessible(const char* name) const {
        return QAccessible::queryAccessibleInterface(control(name));
    }

    void clickThroughTheWindow(const char* name) const {
        QWidget* target = control(name);
        QTest::mouseClick(form_->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                          target->mapTo(form_.get(), target->rect().center()));
    }

    // A started run with a text in the capacity box, so that a reset can be seen.
    void startRunWithCapacity(const QString& capacity) {
        type("Text1(2)", capacity);
        click("Command1(0)");
        tick();
        QVERIFY(timer()->isActive());
    }

  private slots:
    void cleanup() {
        form_.reset();
        if (savedPalette_) {
            QApplication::setPalette(*savedPalette_);
            savedPalette_.reset();
        }
    }

    void writtenTextsShowFromTheirFirstCharacter() {
        openForm({drawOf(105), drawOf(1), drawOf(1)});
        type("Text2(0)", QStringLiteral("50"));
        click("Command1(0)");
        for (int i = 0; i < 3; ++i) {
            tick();
        }
        QLineEdit* percentage = box("Text2(2)");
        QCOMPARE(percentage->text(), QStringLiteral("33,3333333333333"));
        QVERIFY(percentage->fontMetrics().horizontalAdvance(percentage->text()) >
                percentage->width());
        percentage->grab();
        QCOMPARE(percentage->cursorPosition(), 0);
        const int caret = percentage->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
        QVERIFY2(caret >= 0 && caret < 8, "the start of the number is scrolled out");
    }

    void enterAndKeypadEnterPressAFocusedButton() {
        openForm();
        control("Command1(0)")->setFocus();
        QTest::keyClick(control("Command1(0)"), Qt::Key_Return);
        QVERIFY(timer()->isActive());
        control("Command1(1)")->setFocus();
        QTest::keyClick(control("Command1(1)"), Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(!timer()->isActive());
        QCOMPARE(log()->toPlainText(), QString());
    }

    void colouredControlsKeepDarkTextUnderADarkScheme_data() {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("option");
        QTest::addColumn<QColor>("backColour");
        for (const ui::ControlDesign& design : ui::controlTable()) {
            if (design.backColour) {
                const QByteArray name(design.name.data(), qsizetype(design.name.size()));
                QTest::newRow(name.constData())
                    << name << (design.kind == ui::ControlKind::OptionButton)
                    << QColor(*design.backColour);
            }
        }
    }

    void colouredControlsKeepDarkTextUnderADarkScheme() {
        QFETCH(QByteArray, name);
        QFETCH(bool, option);
        QFETCH(QColor, backColour);
        savedPalette_ = QApplication::palette();
        QApplication::setPalette(darkPalette());
        openForm();
        QWidget* widget = control(name.constData());
        const QImage image = widget->grab().toImage();
        // Past the option's indicator and inside any border: the caption's own pixels.
        const int left = option ? 24 : 4;
        std::map<QRgb, int> counts;
        for (int y = 4; y < image.height() - 4; ++y) {
            for (int x = left; x < image.width() - 4; ++x) {
                ++counts[image.pixel(x, y) & 0xFFFFFF];
            }
        }
        const auto background =
            std::max_element(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
                return a.second < b.second;
            })->first;
        QCOMPARE(QColor(background), backColour);
        double best = 1;
        for (const auto& [colour, count] : counts) {
            best = std::max(best, contrast(QColor(colour), QColor(background)));
        }
        QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1:1").arg(best, 0, 'f', 2)));
    }

    void logFollowsTheNewestLineOnlyWhileTheReaderIsAtTheBottom() {
        openForm({drawOf(7)});
        click("Command1(1)");
        click("Command1(0)");
        QScrollBar* bar = log()->verticalScrollBar();
        for (int i = 0; i < 30; ++i) {
            tick();
        }
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        // The last line is the newest demand, not an empty line after it.
        QVERIFY(log()->toPlainText().endsWith(QStringLiteral("\n7")));

        bar->setValue(3);
        tick();
        tick();
        QCOMPARE(bar->value(), 3);

        bar->setValue(bar->maximum());
        tick();
        QCOMPARE(bar->value(), bar->maximum());

        bar->setValue(0);
        click("Command1(1)");
        click("Command1(0)");
        for (int i = 0; i < 30; ++i) {
            tick();
        }
        QCOMPARE(bar->value(), bar->maximum());
    }

    void firstTickAppendsBelowTheHelpText() {
        openForm({drawOf(7)});
        QTextCursor caret = log()->textCursor();
        caret.setPosition(12);
        log()->setTextCursor(caret);
        QSignalSpy relaid(log()->document(), &QTextDocument::contentsChange);
        click("Command1(0)");
        tick();
        QCOMPARE(log()->textCursor().position(), 12);
        QCOMPARE(log()->toPlainText(),
                 ui::displayText(ui::withoutFinalLineBreak(ui::kHelpText)) + QStringLiteral("\n7"));
        QCOMPARE(relaid.count(), 1);
        // Inserted at the end of the help text, removing nothing.
        QCOMPARE(relaid.at(0).at(1).toInt(), 0);
        QCOMPARE(relaid.at(0).at(2).toInt(), 2);
    }

    void everyWayOfChoosingAnOptionRunsItsHandlerOnce_data() {
        QTest::addColumn<Choice>("choice");
        QTest::addColumn<QByteArray>("option");
        QTest::addColumn<int>("situation");
        const QByteArray first("Option1(0)");
        const QByteArray second("Option1(1)");
        QTest::newRow("mouse on the other option") << Choice::MouseOnTheOther << second << 1;
        QTest::newRow("mouse on the selected option") << Choice::MouseOnTheSelected << first << 0;
        QTest::newRow("Down arrow from the selected option") << Choice::DownArrow << second << 1;
        QTest::newRow("Space on the selected option") << Choice::SpaceOnTheSelected << first << 0;
        QTest::newRow("assistive toggle") << Choice::AssistiveToggle << second << 1;
        QTest::newRow("assistive press") << Choice::AssistivePress << second << 1;
        QTest::newRow("setChecked from code") << Choice::SetCheckedFromCode << second << 1;
    }

    void everyWayOfChoosingAnOptionRunsItsHandlerOnce() {
        QFETCH(Choice, choice);
        QFETCH(QByteArray, option);
        QFETCH(int, situation);

        // What one run of the handler notifies: its reset and the emptied log.
        openForm();
        startRunWithCapacity(QStringLiteral("55"));
        QSignalSpy once(&form_->runControl(), &ui::RunControl::changed);
        form_->Option1_Click(0);
        const auto notificationsOfOneClick = once.count();
        QVERIFY(notificationsOfOneClick > 0);

        openForm();
        startRunWithCapacity(QStringLiteral("55"));
        QSignalSpy notifications(&form_->runControl(), &ui::RunControl::changed);
        switch (choice) {
            case Choice::MouseOnTheOther:
                click("Option1(1)");
                break;
            case Choice::MouseOnTheSelected:
                click("Option1(0)");
                break;
            case Choice::DownArrow:
                control("Option1(0)")->setFocus();
                QTest::keyClick(control("Option1(0)"), Qt::Key_Down);
                break;
            case Choice::SpaceOnTheSelected:
                control("Option1(0)")->setFocus();
                QTest::keyClick(control("Option1(0)"), Qt::Key_Space);
                break;
            case Choice::AssistiveToggle:
                accessible("Option1(1)")
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::toggleAction());
                break;
            case Choice::AssistivePress: {
                accessible("Option1(1)")
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
                // Qt presses as an animated click: the button stays down until its own timer
                // releases it, and the release is the click.
                const auto* button = control<QAbstractButton>("Option1(1)");
                QTRY_VERIFY(!button->isDown());
                break;
            }
            case Choice::SetCheckedFromCode:
                control<QAbstractButton>("Option1(1)")->setChecked(true);
                break;
        }
        QVERIFY(control<QAbstractButton>(option.constData())->isChecked());
        QVERIFY(form_->model().Situation.has_value());
        QCOMPARE(int{*form_->model().Situation}, situation);
        QVERIFY(!timer()->isActive());
        QCOMPARE(box("Text1(2)")->text(), QStringLiteral("100"));
        QCOMPARE(log()->toPlainText(), QString());
        QCOMPARE(notifications.count(), notificationsOfOneClick);
    }

    void everyWayOfChangingAnInputReachesTheModelOnce_data() {
        QTest::addColumn<Change>("change");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("writes");
        QTest::newRow("setText from outside")
            << Change::SetTextFromOutside << QStringLiteral("77") << 1;
        QTest::newRow("paste") << Change::Paste << QStringLiteral("1009") << 1;
        // The typed digit and its undoing.
        QTest::newRow("undo") << Change::Undo << QStringLiteral("100") << 2;
        QTest::newRow("assistive replace")
            << Change::AssistiveReplace << QStringLiteral("250") << 1;
        QTest::newRow("assistive delete to empty")
            << Change::AssistiveDeleteToEmpty << QString() << 1;
        QTest::newRow("assistive insert") << Change::AssistiveInsert << QStringLiteral("2100") << 1;
    }

    void everyWayOfChangingAnInputReachesTheModelOnce() {
        QFETCH(Change, change);
        QFETCH(QString, expected);
        QFETCH(int, writes);
        openForm();
        QLineEdit* capacity = box("Text1(2)");
        QAccessibleEditableTextInterface* text = accessible("Text1(2)")->editableTextInterface();
        QVERIFY(text != nullptr);
        QSignalSpy notifications(&form_->runControl(), &ui::RunControl::changed);
        switch (change) {
            case Change::SetTextFromOutside:
                capacity->setText(QStringLiteral("77"));
                break;
            case Change::Paste:
                QApplication::clipboard()->setText(QStringLiteral("9"));
                capacity->setFocus();
                capacity->end(false);
                QTest::keyClick(capacity, Qt::Key_V, Qt::ControlModifier);
                break;
            case Change::Undo:
                capacity->setFocus();
                capacity->end(false);
                QTest::keyClicks(capacity, QStringLiteral("5"));
                QTest::keyClick(capacity, Qt::Key_Z, Qt::ControlModifier);
                break;
            case Change::AssistiveReplace:
                text->replaceText(0, 3, QStringLiteral("250"));
                break;
            case Change::AssistiveDeleteToEmpty:
                text->deleteText(0, 3);
                break;
            case Change::AssistiveInsert:
                text->insertText(0, QStringLiteral("2"));
                break;
        }
        QCOMPARE(capacity->text(), expected);
        QCOMPARE(toQString(form_->model().text(core::Text1(2))), expected);
        QCOMPARE(notifications.count(), writes);
    }

    // The model's mirror of a change into the box does not come back as a second write.
    void aChangeIsWrittenOnce() {
        openForm();
        QSignalSpy notifications(&form_->runControl(), &ui::RunControl::changed);
        box("Text2(1)")->setText(QStringLiteral("20"));
        QCOMPARE(notifications.count(), 1);
    }

    void anEmptiedCapacityStopsTheRunWithItsMessage() {
        openForm();
        click("Command1(0)");
        accessible("Text1(2)")->editableTextInterface()->deleteText(0, 3);
        tick();
        QVERIFY(!timer()->isActive());
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr && message->isVisible());
    }

    void readOnlyBoxesUndoEditsFromOutside() {
        openForm();
        box("Text2(2)")->setText(QStringLiteral("99"));
        QCOMPARE(box("Text2(2)")->text(), QStringLiteral("0"));
        QCOMPARE(form_->model().text(core::Text2(2)), "0");

        const QString help = log()->toPlainText();
        log()->appendPlainText(QStringLiteral("чужд ред"));
        QCOMPARE(log()->toPlainText(), help);
        click("Command1(0)");
        tick();
        QVERIFY(log()->toPlainText().endsWith(QStringLiteral("\n50")));
    }

    void inputsAreLabelledAndDescribed_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("described");
        QTest::newRow("Text2(0)") << QStringLiteral("Text2(0)") << QStringLiteral("Label1(1)")
                                  << QString();
        QTest::newRow("Text2(1)") << QStringLiteral("Text2(1)") << QStringLiteral("Label1(2)")
                                  << QString();
        // The description states the largest capacity the box takes.
        QTest::newRow("Text1(2)") << QStringLiteral("Text1(2)") << QStringLiteral("Label1(5)")
                                  << QStringLiteral("9999");
        QTest::newRow("Text2(2)") << QStringLiteral("Text2(2)") << QStringLiteral("Label1(4)")
                                  << QString();
    }

    void inputsAreLabelledAndDescribed() {
        QFETCH(QString, input);
        QFETCH(QString, caption);
        QFETCH(QString, described);
        openForm();
        auto* label = form_->findChild<QLabel*>(caption);
        auto* widget = form_->findChild<QWidget*>(input);
        QVERIFY(label != nullptr && widget != nullptr);
        QCOMPARE(label->buddy(), widget);
        const QString description = widget->accessibleDescription();
        QVERIFY(!description.isEmpty());
        QVERIFY2(description.contains(described), qPrintable(description));
    }

    // Not modal: while the stop message is open the window still takes the window system's
    // input, Clear starts over, and the window closes.
    // A run that stops while someone types keeps their keys: the message does not take the
    // focus, so "50" goes into the box and no Space or Enter dismisses the message unseen.
    void aStopWhileTypingLeavesTheKeysInTheBox() {
        openForm();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        click("Command1(0)");
        QLineEdit* capacity = box("Text1(2)");
        capacity->setFocus();
        capacity->selectAll();
        QTest::keyClick(capacity, Qt::Key_Backspace);
        tick();
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr && message->isVisible());
        // The window system then leaves the focus where it is; offscreen, windows are
        // activated as they are shown whatever they ask, so the request is what can be seen.
        QVERIFY(message->testAttribute(Qt::WA_ShowWithoutActivating));
        QCOMPARE(QApplication::focusWidget(), capacity);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("50"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(capacity->text(), QStringLiteral("50 "));
        QVERIFY(message->isVisible());

        // Started from a button, the stop takes the focus to the message as before.
        message->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        click("Command1(1)");
        type("Text1(2)", QStringLiteral("0"));
        control("Command1(0)")->setFocus();
        click("Command1(0)");
        tick();
        message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr && message->isVisible());
        QVERIFY(!message->testAttribute(Qt::WA_ShowWithoutActivating));
        QTRY_COMPARE(QApplication::activeWindow(), message);
    }

    void theWindowStaysUsableWhileTheStopMessageIsOpen() {
        openForm();
        type("Text1(2)", QStringLiteral("0"));
        click("Command1(0)");
        tick();
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(message));
        QCOMPARE(box("Text1(2)")->text(), QStringLiteral("0"));

        // A click delivered to the window as the window system delivers it, which Qt drops for
        // a window that a modal one blocks.
        clickThroughTheWindow("Command1(1)");
        QCOMPARE(box("Text1(2)")->text(), QStringLiteral("100"));
        QCOMPARE(log()->toPlainText(), QString());
        QVERIFY(message->isVisible());

        // The window manager's close is dropped the same way; offscreen cannot send one, but it
        // is dropped only while some modal window is open.
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QCOMPARE(QGuiApplication::modalWindow(), nullptr);
        QVERIFY(form_->close());
        QVERIFY(!form_->isVisible());
    }
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    // The tests close windows; the test run must go on after each.
    QApplication::setQuitOnLastWindowClosed(false);
    InputPathsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "input_paths_test.moc"
