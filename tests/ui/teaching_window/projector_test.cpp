// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window on a 1024 x 768 projector at the scale CTest sets (1, 1.5 or 2):
// maximised and in presentation mode, each picture's plot is at least a quarter of the
// screen's height with at least three labelled steps above zero, both pictures are on screen
// and are charts to a screen reader, and no control is cut off.

#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "form_driver.hpp"
#include "scripted_random.hpp"
#include "ui/application/window_actions.hpp"
#include "ui/teaching_window/pictures/picture.hpp"
#include "ui/teaching_window/teaching_window.hpp"

using testing_support::drawOf;
using testing_support::ScriptedRandom;

class ProjectorTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
    [[nodiscard]] ui::TeachingWindow* chart() const {
        return form_->findChild<ui::TeachingWindow*>(QStringLiteral("ChartWindow"));
    }

    // Every picture's plot and labels, and every shown control, as the window stands now.
    void checkEverythingFits(const char* state, std::initializer_list<const char*> pictures = {
                                                    "ShareChart", "DemandHistogram"}) {
        // Layouts redone for what was shown or hidden, as before the next paint.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        ui::TeachingWindow* window = chart();
        const QRect screen = window->screen()->geometry();
        const QRect inside = window->rect();
        for (const char* name : pictures) {
            auto* picture = window->findChild<ui::Picture*>(QLatin1String(name));
            const ui::Picture::Plot plot = picture->plot();
            const QString where = QStringLiteral("%1, %2, plot %3 high, %4 labels")
                                      .arg(QLatin1String(state), QLatin1String(name))
                                      .arg(plot.area.height())
                                      .arg(plot.labels.values.size());
            qInfo("%s", qPrintable(where));
            QVERIFY2(plot.area.height() >= screen.height() / 4, qPrintable(where));
            QVERIFY2(plot.labels.values.size() >= 4, qPrintable(where));
            QVERIFY2(QAccessible::queryAccessibleInterface(picture)->role() == QAccessible::Chart,
                     qPrintable(where));
            const QRect onWindow(picture->mapTo(window, QPoint(0, 0)), picture->size());
            QVERIFY2(inside.contains(onWindow), qPrintable(where));
        }
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!control->isVisibleTo(window) || control->isWindow() ||
                control->parentWidget() == nullptr) {
                continue;
            }
            const QRect onWindow(control->mapTo(window, QPoint(0, 0)), control->size());
            QVERIFY2(inside.contains(onWindow),
                     qPrintable(QLatin1String(state) + QLatin1Char(' ') + control->objectName()));
            if (auto* button = qobject_cast<QPushButton*>(control)) {
                // A button no narrower than its text needs shows all of it.
                QVERIFY2(button->width() >= button->sizeHint().width(),
                         qPrintable(QStringLiteral("%1 %2: %3 < %4")
                                        .arg(QLatin1String(state), button->text())
                                        .arg(button->width())
                                        .arg(button->sizeHint().width())));
            }
        }
    }

  private slots:
    void cleanup() { form_.reset(); }

    void picturesStayReadableMaximisedAndPresenting() {
        form_ = std::make_unique<ui::MainForm>(std::make_unique<ScriptedRandom>(
            std::vector<float>{drawOf(3), drawOf(105), drawOf(50), drawOf(101)}));
        ui::installWindowActions(*form_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        type("Text2(0)", QStringLiteral("10"));
        click("Command1(0)");
        for (int i = 0; i < 4; ++i) {
            QVERIFY(emitTimeout());
        }
        QTest::keyClick(form_.get(), Qt::Key_F2);
        QVERIFY(chart() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(chart()));
        // However small the screen, F2 opens a window; only F11 presents.
        QVERIFY(!chart()->isFullScreen());

        // Chosen in the teaching window, the About box opens over it and fits the screen, with
        // the keyboard on its button; Escape closes it.
        QApplication::setActiveWindow(chart());
        form_->findChild<QAction*>(QStringLiteral("AboutAction"))->trigger();
        QPointer about = chart()->findChild<QDialog*>(QStringLiteral("AboutBox"));
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QVERIFY(chart()->screen()->availableGeometry().contains(about->frameGeometry()));
        QVERIFY(qobject_cast<QPushButton*>(about->focusWidget()) != nullptr);
        QTest::keyClick(about->focusWidget(), Qt::Key_Escape);
        QVERIFY(about == nullptr || !about->isVisible());

        chart()->setPresenting(true);
        QTRY_VERIFY(chart()->isFullScreen());
        QTRY_COMPARE(chart()->size(), chart()->screen()->geometry().size());
        checkEverythingFits("presenting");

        chart()->setPresenting(false);
        chart()->showMaximized();
        QTRY_VERIFY(chart()->isMaximized());
        QTRY_COMPARE(chart()->size(), chart()->screen()->availableGeometry().size());
        checkEverythingFits("maximised");

        chart()->findChild<QAction*>(QStringLiteral("ShowExperiments"))->trigger();
        QTRY_VERIFY(!chart()
                         ->findChild<QWidget*>(QStringLiteral("Experiments"))
                         ->visibleRegion()
                         .isEmpty());
        checkEverythingFits("experiments", {"SharePerClass", "ShareAgainstOverselling"});
    }
};

QTEST_MAIN(ProjectorTest)
#include "projector_test.moc"
