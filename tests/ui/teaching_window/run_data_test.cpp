// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The table a teacher copies or saves: which draws it holds, and how a spreadsheet splits it.

#include "ui/teaching_window/export/run_data.hpp"

#include <QtTest>
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "core/expected_share.hpp"
#include "core/reset.hpp"
#include "core/tick.hpp"
#include "scripted_random.hpp"
#include "ui/common/number_texts.hpp"

using ui::DataFormat;

namespace {

using testing_support::drawOf;
using testing_support::ScriptedRandom;

constexpr int kColumns = 5;

// The overselling case with capacity 100 and 10 %: ceiling 110, so demand 105 overloads and
// demands 3 and 50 do not.
void setUp(core::Model& model) {
    core::ResetSimulation(model);
    model.setText(core::Text2(0), "10");
}

bool runTicks(core::Model& model, ScriptedRandom& random, int ticks) {
    for (int i = 0; i < ticks; ++i) {
        if (core::Timer1_Timer(model, random)) {
            return false;
        }
    }
    return true;
}

QStringList linesOf(const QString& text, DataFormat format) {
    if (format == DataFormat::Csv) {
        return text.sliced(1).split(QStringLiteral("\r\n"));
    }
    return text.split(u'\n');
}

// The draw rows, between the column header and the blank line.
std::vector<QStringList> drawRows(const QStringList& lines) {
    std::vector<QStringList> rows;
    for (qsizetype i = 2; i < lines.size() && !lines[i].isEmpty(); ++i) {
        rows.push_back(lines[i].split(u'\t'));
    }
    return rows;
}

const QString kInputs =
    QStringLiteral("Надпродажба: брой елементи 100, надпродажба 10\u00A0%, таван 110");

}  // namespace

class RunDataTest : public QObject {
    Q_OBJECT

  private slots:
    void headerSaysHowTheRowsWereChosen_data() {
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("tail");
        QTest::newRow("no draw yet") << 0 << QStringLiteral("; още няма тегления");
        QTest::newRow("one draw") << 1 << QStringLiteral("; 1 теглене; всички тегления");
        QTest::newRow("every draw in full")
            << 1000 << QStringLiteral("; 1000 тегления; всички тегления");
        QTest::newRow("every draw, the demand of the start")
            << 1001
            << QStringLiteral("; 1001 тегления; всички тегления, първите 1000 с търсенето им");
        QTest::newRow("thinned to every second")
            << 5000
            << QStringLiteral(
                   "; 5000 тегления; всяко от първите 1000 тегления с търсенето му, след това "
                   "на всеки 2 тегления по едно и последното");
        QTest::newRow("thinned to every eighth, count grouped")
            << 20000
            << QStringLiteral(
                   "; 20\u00A0000 тегления; всяко от първите 1000 тегления с търсенето му, след "
                   "това на всеки 8 тегления по едно и последното");
    }

    void headerSaysHowTheRowsWereChosen() {
        QFETCH(int, ticks);
        QFETCH(QString, tail);
        core::Model model(",");
        setUp(model);
        ScriptedRandom random({drawOf(3)});
        QVERIFY(runTicks(model, random, ticks));
        const QStringList lines =
            linesOf(ui::runData(model, true, DataFormat::Clipboard), DataFormat::Clipboard);
        QCOMPARE(lines.first(), kInputs + tail);
        QCOMPARE(lines[1],
                 QStringLiteral("Теглене\tТърсене\tПретоварвания\tИзмерен дял, %\tОчакван дял, %"));
    }

    // 5001 draws thin the series to every second tick; the last, odd one comes after them.
    void firstDrawsInFullThenEvenlySpaced() {
        core::Model model(",");
        setUp(model);
        ScriptedRandom random({drawOf(3), drawOf(105), drawOf(50)});
        QVERIFY(runTicks(model, random, 5001));
        const QStringList lines =
            linesOf(ui::runData(model, true, DataFormat::Clipboard), DataFormat::Clipboard);
        const std::vector<QStringList> rows = drawRows(lines);
        QCOMPARE(rows.size(), 1000U + 2000U + 1U);

        const QString demands[] = {QStringLiteral("3"), QStringLiteral("105"),
                                   QStringLiteral("50")};
        for (std::size_t i = 0; i < 1000; ++i) {
            const qsizetype tick = static_cast<qsizetype>(i) + 1;
            QCOMPARE(rows[i].size(), kColumns);
            QCOMPARE(rows[i][0], QString::number(tick));
            QCOMPARE(rows[i][1], demands[i % 3]);
            QCOMPARE(rows[i][2], QString::number((tick + 1) / 3));
        }
        for (std::size_t i = 1000; i < rows.size(); ++i) {
            const auto tick = i + 1 == rows.size() ? qsizetype{5001}
                                                   : static_cast<qsizetype>(1002 + 2 * (i - 1000));
            QCOMPARE(rows[i][0], QString::number(tick));
            QVERIFY(rows[i][1].isEmpty());
            QCOMPARE(rows[i][2], QString::number((tick + 1) / 3));
        }

        // Every demand from 0 to the largest drawn, those never drawn too.
        const qsizetype counts = 2 + static_cast<qsizetype>(rows.size()) + 2;
        QCOMPARE(lines[counts - 1], QStringLiteral("Търсене\tБрой тегления"));
        QCOMPARE(lines[counts], QStringLiteral("0\t0"));
        QCOMPARE(lines[counts + 3], QStringLiteral("3\t1667"));
        QCOMPARE(lines[counts + 50], QStringLiteral("50\t1667"));
        QCOMPARE(lines[counts + 105], QStringLiteral("105\t1667"));
        QCOMPARE(lines.size(), counts + 106 + 1);
        QVERIFY(lines.last().isEmpty());
    }

    void csvSeparatorFollowsTheDecimalSeparator_data() {
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("rowStart");
        QTest::newRow("decimal comma, semicolons between fields")
            << QStringLiteral(",")
            << QStringLiteral("Теглене;Търсене;Претоварвания;Измерен дял, %;Очакван дял, %")
            << QStringLiteral("1000;3;81;8,10;");
        QTest::newRow("decimal point, commas between fields")
            << QStringLiteral(".")
            << QStringLiteral("Теглене,Търсене,Претоварвания,\"Измерен дял, %\",\"Очакван дял, %\"")
            << QStringLiteral("1000,3,81,8.10,");
    }

    // 81 overloads in 1000 draws: a measured share of 8.1 %.
    void csvSeparatorFollowsTheDecimalSeparator() {
        QFETCH(QString, decimalSeparator);
        QFETCH(QString, columns);
        QFETCH(QString, rowStart);
        core::Model model(decimalSeparator.toStdString());
        setUp(model);
        std::vector<float> draws(1000, drawOf(3));
        std::fill_n(draws.begin(), 81, drawOf(105));
        ScriptedRandom random(std::move(draws));
        QVERIFY(runTicks(model, random, 1000));

        const QString text = ui::runData(model, true, DataFormat::Csv);
        QVERIFY(text.startsWith(QChar(QChar::ByteOrderMark)));
        QVERIFY(!text.contains(u'\t'));
        const QStringList lines = linesOf(text, DataFormat::Csv);
        QCOMPARE(lines[1], columns);
        QVERIFY2(lines[1001].startsWith(rowStart), qPrintable(lines[1001]));
        QVERIFY(!lines[1001].contains(u'"'));
        QCOMPARE(lines[1001].count(rowStart.back()), kColumns - 1);
    }

    void headerIsQuotedWhenItHoldsTheSeparator_data() {
        QTest::addColumn<QString>("decimalSeparator");
        QTest::addColumn<DataFormat>("format");
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<QString>("header");
        const QString plain = kInputs + QStringLiteral("; още няма тегления");
        const QString quoted = u'"' + plain + u'"';
        QTest::newRow("csv with commas quotes the commas of the inputs")
            << QStringLiteral(".") << DataFormat::Csv << QStringLiteral("100") << quoted;
        QTest::newRow("csv with semicolons quotes the semicolons between the parts")
            << QStringLiteral(",") << DataFormat::Csv << QStringLiteral("100") << quoted;
        QTest::newRow("the clipboard's tabs are not in it")
            << QStringLiteral(",") << DataFormat::Clipboard << QStringLiteral("100") << plain;
        QTest::newRow("a quote typed in a box is doubled")
            << QStringLiteral(",") << DataFormat::Csv << QStringLiteral("1\"00")
            << QStringLiteral(
                   "\"Надпродажба: брой елементи 1\"\"00, надпродажба 10\u00A0%, таван 1; още "
                   "няма "
                   "тегления\"");
        QTest::newRow("the clipboard quotes a quote too")
            << QStringLiteral(",") << DataFormat::Clipboard << QStringLiteral("1\"00")
            << QStringLiteral(
                   "\"Надпродажба: брой елементи 1\"\"00, надпродажба 10\u00A0%, таван 1; още "
                   "няма "
                   "тегления\"");
    }

    void headerIsQuotedWhenItHoldsTheSeparator() {
        QFETCH(QString, decimalSeparator);
        QFETCH(DataFormat, format);
        QFETCH(QString, capacity);
        QFETCH(QString, header);
        core::Model model(decimalSeparator.toStdString());
        setUp(model);
        model.setText(core::Text1(2), capacity.toStdString());
        QCOMPARE(linesOf(ui::runData(model, true, format), format).first(), header);
    }

    // The capacity box changes between draws 2 and 3; each draw's expected share is that of
    // the inputs it drew under, not of the inputs now.
    void expectedShareFollowsTheInputsOfEachDraw() {
        core::Model model(",");
        setUp(model);
        ScriptedRandom random({drawOf(50)});
        QVERIFY(runTicks(model, random, 2));
        model.setText(core::Text1(2), "90");
        QVERIFY(runTicks(model, random, 2));

        const auto rows = drawRows(
            linesOf(ui::runData(model, true, DataFormat::Clipboard), DataFormat::Clipboard));
        QCOMPARE(rows.size(), 4U);
        const ui::NumberFormat numbers{","};
        const QString before = ui::twoDecimals(*core::expectedSharePercent(100, 110), numbers);
        const QString after = ui::twoDecimals(*core::expectedSharePercent(90, 99), numbers);
        QVERIFY(before != after);
        const QString expected[] = {before, before, after, after};
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][4], expected[i]);
        }
    }

    // A new capacity before each of 70 draws leaves the stretches of the last 64: the first six
    // draws have none to take their expected share from.
    void expectedShareIsEmptyBeforeTheOldestStretchKept() {
        core::Model model(",");
        setUp(model);
        ScriptedRandom random({drawOf(50)});
        for (int tick = 1; tick <= 70; ++tick) {
            model.setText(core::Text1(2), std::to_string(100 + tick));
            QVERIFY(runTicks(model, random, 1));
        }
        const auto rows = drawRows(
            linesOf(ui::runData(model, true, DataFormat::Clipboard), DataFormat::Clipboard));
        QCOMPARE(rows.size(), 70U);
        for (std::size_t i = 0; i < rows.size(); ++i) {
            QCOMPARE(rows[i][4].isEmpty(), i < 6);
        }
        const double capacity = 170;
        QCOMPARE(rows.back()[4],
                 ui::twoDecimals(*core::expectedSharePercent(capacity, capacity * 1.1),
                                 ui::NumberFormat{","}));
    }
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    QCoreApplication application(argc, argv);
    RunDataTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "run_data_test.moc"
