// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The experiments page driven by its object names, checked against the core: the classes it
// shows are those core::ClassesRun gives for the same seed, and they leave the main window's
// run alone.

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <memory>

#include "core/classes.hpp"
#include "core/draw.hpp"
#include "core/share_curve.hpp"
#include "form_driver.hpp"
#include "scripted_random.hpp"
#include "ui/application/window_actions.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/experiments/experiments_geometry.hpp"
#include "ui/teaching_window/experiments/experiments_page.hpp"
#include "ui/teaching_window/export/experiments_data.hpp"
#include "ui/teaching_window/pictures/picture.hpp"
#include "ui/teaching_window/teaching_window.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

using testing_support::drawOf;
using testing_support::ScriptedRandom;

class ExperimentsTest : public QObject, protected testing_support::FormDriver {
    Q_OBJECT

  private:
    [[nodiscard]] ui::TeachingWindow* chart() const {
        return form_->findChild<ui::TeachingWindow*>(QStringLiteral("ChartWindow"));
    }
    template <typename T = QWidget>
    T* inChart(const char* name) const {
        return chart()->findChild<T*>(QLatin1String(name));
    }
    // Opens the page with 10 % overselling at capacity 100 and the seed 42.
    void openPage() {
        auto random = std::make_unique<ScriptedRandom>(std::vector<float>{drawOf(105), drawOf(3)});
        random_ = random.get();
        form_ = std::make_unique<ui::MainForm>(std::move(random));
        ui::installWindowActions(*form_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        type("Text2(0)", QStringLiteral("10"));
        QTest::keyClick(form_.get(), Qt::Key_F2);
        QVERIFY(chart() != nullptr);
        inChart<QLineEdit>("Seed")->setText(QStringLiteral("42"));
        inChart<QAction>("ShowExperiments")->trigger();
        QTRY_VERIFY(inChart("Experiments")->isVisible());
    }
    void chooseAndRun(int classes, int draws) {
        auto* classBox = inChart<QComboBox>("ClassCount");
        classBox->setCurrentIndex(classBox->findData(classes));
        auto* drawBox = inChart<QComboBox>("DrawsPerClass");
        drawBox->setCurrentIndex(drawBox->findData(draws));
        inChart<QPushButton>("RunClasses")->click();
        QTRY_VERIFY(!inChart<QLabel>("ClassesSummary")
                         ->text()
                         .startsWith(QStringLiteral("Класовете се изчисляват")));
    }

    ScriptedRandom* random_ = nullptr;

  private slots:
    void cleanup() { form_.reset(); }

    // What the page says is what the core's runner gives from the same seed, and the main
    // window's log, counters and generator are untouched.
    void classesAgreeWithTheCoreAndLeaveTheRunAlone() {
        openPage();
        const std::string logBefore = form_->model().text(core::Text1(0));
        chooseAndRun(30, 100);
        core::ClassesRun expected(
            {core::capacity(form_->model()), core::drawCeiling(form_->model()), 30, 100}, 42);
        expected.advance(std::int64_t{30} * 100);
        // Counted here from the classes' overloads: at 100 draws a class's share in percent is
        // its overload count.
        const auto band = core::summarize(expected).band;
        QVERIFY(band.has_value());
        int inside = 0;
        double total = 0;
        for (const std::int64_t overloads : expected.overloads()) {
            const auto share = static_cast<double>(overloads);
            inside += share >= band->low && share <= band->high ? 1 : 0;
            total += share;
        }
        const QString summary = inChart<QLabel>("ClassesSummary")->text();
        const QString counted = QStringLiteral("%1 от 30 класа са в коридора; средно %2\u00A0%")
                                    .arg(inside)
                                    .arg(QString::number(total / 30, 'f', 2)
                                             .replace(QLatin1Char('.'), QLatin1Char(',')));
        QVERIFY2(summary.startsWith(counted),
                 qPrintable(summary + QStringLiteral(" / ") + counted));
        QVERIFY(inChart<ui::Picture>("SharePerClass")
                    ->accessibleDescription()
                    .contains(QStringLiteral("класа")));
        QCOMPARE(form_->model().TickCount.value_or(0), 0);
        QCOMPARE(form_->model().text(core::Text1(0)), logBefore);
        // The generator of the main window still gives its first scripted value.
        click("Command1(0)");
        QVERIFY(emitTimeout());
        QCOMPARE(form_->model().OverloadCount, 1);
    }

    // A thousand classes of ten thousand draws run a slice at a time: the page says how far it
    // is while the event loop goes on, and ends with every class counted.
    void aThousandClassesRunInSlices() {
        openPage();
        // The draws first: the summary names a thousand classes only once they have run.
        auto* draws = inChart<QComboBox>("DrawsPerClass");
        draws->setCurrentIndex(draws->findData(10000));
        auto* classes = inChart<QComboBox>("ClassCount");
        classes->setCurrentIndex(classes->findData(1000));
        // Ten million draws take more than one slice: the event loop gets the window back first.
        QVERIFY(!inChart<QLabel>("ClassesSummary")->text().contains(QStringLiteral("1000 класа")));
        QVERIFY(chart()->findChild<ui::ExperimentsPage*>()->running());
        QTRY_VERIFY_WITH_TIMEOUT(
            inChart<QLabel>("ClassesSummary")->text().contains(QStringLiteral(" от 1000 класа ")),
            20000);
    }

    // The curve is the core's at every percentage; its tooltip names the point under it.
    void theCurveIsTheCoresAndItsPointsAreNamed() {
        openPage();
        auto* curve = inChart<ui::Picture>("ShareAgainstOverselling");
        const auto values = core::shareAgainstOverselling(100);
        QVERIFY(curve->accessibleDescription().contains(
            QStringLiteral("при 10 % надпродажба ") +
            ui::twoDecimals(*values[10], ui::NumberFormat::of(form_->model()))));
        const QRect plot = curve->plot().area;
        const QPointF point = ui::curvePoint(plot, 10, *values[10], 100);
        QCOMPARE(ui::nearestPercent(plot, point.x()), std::optional<int>(10));
    }

    // The seed makes "Изчисти" start the same run again; an empty box does not reseed.
    void theSeedRepeatsARun() {
        openPage();
        click("Command1(1)");
        click("Option1(1)");
        QCOMPARE(random_->seeds(), (std::vector<std::uint32_t>{42, 42}));
        inChart<QLineEdit>("Seed")->clear();
        click("Command1(1)");
        click("Option1(0)");
        QCOMPARE(random_->seeds(), (std::vector<std::uint32_t>{42, 42}));
    }

    // Classes drawn for other inputs never stand under the new ones: after a change in the
    // main window, or its "Изчисти", the page says what they were for until new ones run.
    void classesForOtherInputsStepAside_data() {
        QTest::addColumn<QString>("change");
        QTest::newRow("percentage") << QStringLiteral("Text2(0)");
        QTest::newRow("capacity") << QStringLiteral("Text1(2)");
        QTest::newRow("clear") << QStringLiteral("Command1(1)");
    }

    void classesForOtherInputsStepAside() {
        QFETCH(QString, change);
        openPage();
        chooseAndRun(10, 100);
        if (change.startsWith(QLatin1String("Command"))) {
            click(qPrintable(change));
        } else {
            type(qPrintable(change), QStringLiteral("20"));
        }
        const QString aside =
            QStringLiteral("Класовете са за 100 и 10\u00A0%; натиснете „Нови класове“.");
        QCOMPARE(inChart<QLabel>("ClassesSummary")->text(), aside);
        QVERIFY(inChart<ui::Picture>("SharePerClass")->accessibleDescription() == aside);
        QVERIFY(!chart()->dataText().contains(QStringLiteral("класа по")));
        chooseAndRun(10, 100);
        QVERIFY(
            inChart<QLabel>("ClassesSummary")->text().contains(QStringLiteral(" от 10 класа ")));
    }

    // The saved table holds every class's overloads as the core counts them from the seed.
    void theTableHoldsEveryClass() {
        openPage();
        chooseAndRun(10, 100);
        core::ClassesRun expected(
            {core::capacity(form_->model()), core::drawCeiling(form_->model()), 10, 100}, 42);
        expected.advance(1000);
        const QStringList lines =
            chart()->dataText(ui::DataFormat::Csv).split(QStringLiteral("\r\n"));
        QVERIFY(
            lines.first().contains(QStringLiteral("10 класа по 100 тегления, начално число 42")));
        for (int i = 0; i < 10; ++i) {
            const QString& row = lines.at(2 + i);
            QVERIFY2(
                row.startsWith(QStringLiteral("%1;%2;").arg(i + 1).arg(expected.overloads()[i])),
                qPrintable(row));
        }
        // Copied mid-run, the header says how many of the classes the rows are.
        core::ClassesRun halfway(expected.request(), 7);
        halfway.advance(250);
        const QString header =
            ui::experimentsData(form_->model(), &halfway, ui::DataFormat::Csv).section(u'\r', 0, 0);
        QVERIFY2(
            header.contains(QStringLiteral("начално число 7; още се изчисляват: готови 2 от 10")),
            qPrintable(header));
        // Enter in the seed box draws new classes from it.
        auto* seed = inChart<QLineEdit>("Seed");
        seed->setText(QStringLiteral("7"));
        QTest::keyClick(seed, Qt::Key_Return);
        QTRY_VERIFY(chart()->dataText().contains(QStringLiteral("начално число 7")));
    }

    // Hiding the expected share hides it here too, from the legends as well; the current
    // inputs' ring is a ring there too.
    void hidingTheExpectedShareHidesTheBand() {
        openPage();
        chooseAndRun(10, 100);
        const auto legend = [this](const char* name) {
            QStringList texts;
            for (const ui::LegendEntry& entry : inChart<ui::Picture>(name)->legend()) {
                texts << entry.text;
            }
            return texts.join(QLatin1Char('|'));
        };
        inChart<QAction>("HideExpected")->trigger();
        const QString hidden = inChart<QLabel>("ClassesSummary")->text();
        QVERIFY2(!hidden.contains(QStringLiteral("коридор")), qPrintable(hidden));
        QVERIFY(!legend("SharePerClass").contains(QStringLiteral("коридор")));
        QVERIFY(legend("ShareAgainstOverselling").isEmpty());
        inChart<QAction>("HideExpected")->trigger();
        QVERIFY(inChart<QLabel>("ClassesSummary")->text().contains(QStringLiteral("коридор")));
        QVERIFY(legend("SharePerClass").endsWith(QStringLiteral("|очакван|коридор на 95\u00A0%")));
        const auto curve = inChart<ui::Picture>("ShareAgainstOverselling")->legend();
        QCOMPARE(curve.back().text, QStringLiteral("сегашните стойности"));
        QVERIFY(curve.back().mark == ui::LegendMark::Ring);
    }
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    ExperimentsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "experiments_test.moc"
