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
#include <functional>
#include <map>
#include <memory>

#include "form_driver.hpp"
#include "scripted_random.hpp"
#include "ui/control_factory.hpp"
#include "ui/control_table.hpp"
#include "ui/form_texts.hpp"
#include "ui/main_form.hpp"
#include "ui/multi_line_view.hpp"

using testing_support::drawOf;
using testing_support::ScriptedRandom;

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

}  // namespace

class InputPathsTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
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

    // A started run with a text in the capacity box, so that a reset can be seen.
    void startRunWithCapacity(const QString& capacity) {
        type("Text1(2)", capacity);
        click("Command1(0)");
        tick();
        QVERIFY(timer()->isActive());
    }

  private slots:
    void cleanup() { form_.reset(); }

    void writtenTextsShowFromTheirFirstCharacter() {
        openForm({drawOf(105), drawOf(1), drawOf(1)});
        type("Text2(0)", "50");
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

    void colouredControlsKeepDarkTextUnderADarkScheme() {
        const QPalette saved = QApplication::palette();
        QApplication::setPalette(darkPalette());
        openForm();
        for (const ui::ControlDesign& design : ui::controlTable()) {
            if (!design.backColour) {
                continue;
            }
            QWidget* widget = control(design.name.data());
            const QImage image = widget->grab().toImage();
            // Past the option's indicator and inside any border: the caption's own pixels.
            const int left = design.kind == ui::ControlKind::OptionButton ? 24 : 4;
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
            QCOMPARE(QColor(background), QColor(*design.backColour));
            double best = 1;
            for (const auto& [colour, count] : counts) {
                best = std::max(best, contrast(QColor(colour), QColor(background)));
            }
            QVERIFY2(best >= 4.5, qPrintable(QStringLiteral("%1 reaches %2:1")
                                                 .arg(widget->objectName())
                                                 .arg(best, 0, 'f', 2)));
        }
        QApplication::setPalette(saved);
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
                 ui::displayText(ui::withoutFinalLineBreak(ui::kHelpText)) + "\n7");
        QCOMPARE(relaid.count(), 1);
        // Inserted at the end of the help text, removing nothing.
        QCOMPARE(relaid.at(0).at(1).toInt(), 0);
        QCOMPARE(relaid.at(0).at(2).toInt(), 2);
    }

    void everyWayOfChoosingAnOptionRunsItsHandlerOnce() {
        struct Row {
            const char* name;
            const char* option;
            std::function<void(InputPathsTest&)> choose;
        };
        const auto toggle = [](const char* option) {
            return [option](InputPathsTest& test) {
                test.accessible(option)->actionInterface()->doAction(
                    QAccessibleActionInterface::toggleAction());
            };
        };
        const auto press = [](const char* option) {
            return [option](InputPathsTest& test) {
                test.accessible(option)->actionInterface()->doAction(
                    QAccessibleActionInterface::pressAction());
                QTest::qWait(300);
            };
        };
        const std::vector<Row> rows = {
            {"mouse on the other option", "Option1(1)",
             [](InputPathsTest& test) { test.click("Option1(1)"); }},
            {"mouse on the selected option", "Option1(0)",
             [](InputPathsTest& test) { test.click("Option1(0)"); }},
            {"Down arrow from the selected option", "Option1(1)",
             [](InputPathsTest& test) {
                 test.control("Option1(0)")->setFocus();
                 QTest::keyClick(test.control("Option1(0)"), Qt::Key_Down);
             }},
            {"Space on the selected option", "Option1(0)",
             [](InputPathsTest& test) {
                 test.control("Option1(0)")->setFocus();
                 QTest::keyClick(test.control("Option1(0)"), Qt::Key_Space);
             }},
            {"assistive toggle", "Option1(1)", toggle("Option1(1)")},
            {"assistive press", "Option1(1)", press("Option1(1)")},
            {"setChecked from code", "Option1(1)",
             [](InputPathsTest& test) {
                 test.control<QAbstractButton>("Option1(1)")->setChecked(true);
             }},
        };

        // What one run of the handler notifies: its reset and the emptied log.
        openForm();
        startRunWithCapacity("55");
        QSignalSpy once(form_.get(), &ui::MainForm::modelChanged);
        form_->Option1_Click(0);
        const auto notificationsOfOneClick = once.count();
        QVERIFY(notificationsOfOneClick > 0);

        for (const Row& row : rows) {
            openForm();
            startRunWithCapacity("55");
            QSignalSpy notifications(form_.get(), &ui::MainForm::modelChanged);
            row.choose(*this);
            QVERIFY2(control<QAbstractButton>(row.option)->isChecked(), row.name);
            const int expectedCase = QByteArray(row.option) == "Option1(1)" ? 1 : 0;
            QVERIFY2(form_->model().Situation == expectedCase, row.name);
            QVERIFY2(!timer()->isActive(), row.name);
            QVERIFY2(box("Text1(2)")->text() == QStringLiteral("100"), row.name);
            QVERIFY2(log()->toPlainText().isEmpty(), row.name);
            QVERIFY2(notifications.count() == notificationsOfOneClick, row.name);
        }
    }

    void everyWayOfChangingAnInputReachesTheModelOnce() {
        struct Row {
            const char* name;
            std::function<void(QLineEdit*, QAccessibleEditableTextInterface*)> change;
            QString expected;
        };
        const std::vector<Row> rows = {
            {"setText from outside", [](QLineEdit* box, auto*) { box->setText("77"); }, "77"},
            {"paste",
             [](QLineEdit* box, auto*) {
                 QApplication::clipboard()->setText(QStringLiteral("9"));
                 box->setFocus();
                 box->end(false);
                 QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
             },
             "1009"},
            {"undo",
             [](QLineEdit* box, auto*) {
                 box->setFocus();
                 box->end(false);
                 QTest::keyClicks(box, "5");
                 QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
             },
             "100"},
            {"assistive replace",
             [](QLineEdit*, QAccessibleEditableTextInterface* text) {
                 text->replaceText(0, 3, QStringLiteral("250"));
             },
             "250"},
            {"assistive delete to empty",
             [](QLineEdit*, QAccessibleEditableTextInterface* text) { text->deleteText(0, 3); },
             ""},
            {"assistive insert",
             [](QLineEdit*, QAccessibleEditableTextInterface* text) { text->insertText(0, "2"); },
             "2100"},
        };
        for (const Row& row : rows) {
            openForm();
            QLineEdit* capacity = box("Text1(2)");
            row.change(capacity, accessible("Text1(2)")->editableTextInterface());
            QVERIFY2(capacity->text() == row.expected, row.name);
            QVERIFY2(form_->model().text(core::Text1(2)) == row.expected.toStdString(), row.name);
        }

        // Each change is one write: the model's mirror into the box does not come back.
        openForm();
        QSignalSpy notifications(form_.get(), &ui::MainForm::modelChanged);
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

    void inputsAreLabelledAndDescribed() {
        openForm();
        const std::map<QString, QString> captionOf = {{"Text2(0)", "Label1(1)"},
                                                      {"Text2(1)", "Label1(2)"},
                                                      {"Text1(2)", "Label1(5)"},
                                                      {"Text2(2)", "Label1(4)"}};
        for (const auto& [input, caption] : captionOf) {
            QCOMPARE(form_->findChild<QLabel*>(caption)->buddy(),
                     form_->findChild<QWidget*>(input));
            QVERIFY(!form_->findChild<QWidget*>(input)->accessibleDescription().isEmpty());
        }
        QVERIFY(box("Text1(2)")->accessibleDescription().contains(QStringLiteral("9999")));
    }

    void closingWithTheStopMessageOpenIsAccepted() {
        openForm();
        type("Text1(2)", "0");
        click("Command1(0)");
        tick();
        auto* message = form_->findChild<QMessageBox*>(QStringLiteral("StopMessage"));
        QVERIFY(message != nullptr && message->isVisible());
        // A modal message would keep the window manager's close from reaching the window.
        QCOMPARE(message->windowModality(), Qt::NonModal);
        QVERIFY(form_->close());
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
