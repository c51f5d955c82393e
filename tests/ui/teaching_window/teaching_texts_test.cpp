// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window's words and numbers as a Bulgarian reader meets them.

#include "ui/teaching_window/words/teaching_texts.hpp"

#include <QtTest>
#include <optional>

#include "core/model.hpp"
#include "ui/common/number_texts.hpp"

class TeachingTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void countsTakeTheBulgarianPlural_data() {
        QTest::addColumn<double>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1.0 << QStringLiteral("1 път");
        QTest::newRow("none") << 0.0 << QStringLiteral("0 пъти");
        QTest::newRow("two") << 2.0 << QStringLiteral("2 пъти");
        QTest::newRow("twenty-one") << 21.0 << QStringLiteral("21 пъти");
        QTest::newRow("grouped") << 12345.0 << QStringLiteral("12\u00A0345 пъти");
    }

    void countsTakeTheBulgarianPlural() {
        QFETCH(double, count);
        QFETCH(QString, text);
        QCOMPARE(ui::countedText(count, QStringLiteral("път"), QStringLiteral("пъти"), {","}),
                 text);
    }

    // Bulgarian groups from five digits on, with a no-break space; fractions keep the user's
    // decimal separator and are not grouped.
    void countsUseTheLocalesGroupSeparator_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("four digits stay whole") << 1000.0 << QStringLiteral("1000");
        QTest::newRow("five digits") << 60000.0 << QStringLiteral("60\u00A0000");
        QTest::newRow("six digits") << 669653.0 << QStringLiteral("669\u00A0653");
        QTest::newRow("negative") << -12345.0 << QStringLiteral("-12\u00A0345");
        QTest::newRow("a fraction") << 2.5 << QStringLiteral("2,5");
        QTest::newRow("beyond exact whole numbers") << 1e300 << QStringLiteral("1E+300");
    }

    void countsUseTheLocalesGroupSeparator() {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(ui::countText(value, ui::NumberFormat{","}), text);
    }

    // Parts after a semicolon start in lower case, as Bulgarian writes them.
    void summaryReadsAsOneSentence() {
        core::Model model(",");
        model.setText(core::Text1(2), "100");
        model.setText(core::Text2(0), "10");
        model.TickCount = 12345;
        model.OverloadCount = 1000;
        QCOMPARE(ui::summaryText(model),
                 QStringLiteral("Тегления: 12\u00A0345; претоварвания: 1000; измерен дял: 8,10 %; "
                                "очакван дял: 8,10 %"));
    }

    // What the teacher chose to show: the guess beside the measured share, the expected share
    // hidden; after a change of the inputs, the share since then beside the whole run's.
    void summaryShowsTheGuessTheHiddenShareAndTheStretch() {
        core::Model model(",");
        model.setText(core::Text1(2), "100");
        model.setText(core::Text2(0), "10");
        model.TickCount = 4;
        model.OverloadCount = 2;
        for (std::int64_t tick = 1; tick <= 4; ++tick) {
            // Capacity 100 for two ticks with no overload, then 50 for two that overload.
            const double capacity = tick <= 2 ? 100 : 50;
            model.statistics.record(tick, tick <= 2 ? 5 : 60, tick <= 2 ? 0 : tick - 2,
                                    {capacity, capacity * 1.1});
        }
        QCOMPARE(ui::summaryText(model, {.expectedShown = false, .guess = 12.5}),
                 QStringLiteral("Тегления: 4; претоварвания: 2; измерен дял: 50,00 %; след "
                                "промяната при теглене 3: 100,00 %; прогноза на класа: 12,50 %; "
                                "очакван дял: скрит"));
    }

    void theGuessIsAPercentage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<std::optional<double>>("guess");
        QTest::newRow("a comma") << QStringLiteral(" 8,5 ") << std::optional<double>(8.5);
        QTest::newRow("a point and a sign") << QStringLiteral("10.25 %") << std::optional(10.25);
        QTest::newRow("the ends") << QStringLiteral("100") << std::optional<double>(100);
        QTest::newRow("empty") << QString() << std::optional<double>();
        QTest::newRow("above 100") << QStringLiteral("100,5") << std::optional<double>();
        QTest::newRow("negative") << QStringLiteral("-1") << std::optional<double>();
        QTest::newRow("not a number") << QStringLiteral("nan") << std::optional<double>();
        QTest::newRow("words") << QStringLiteral("десет") << std::optional<double>();
    }

    void theGuessIsAPercentage() {
        QFETCH(QString, text);
        QFETCH(std::optional<double>, guess);
        QCOMPARE(ui::guessFromText(text), guess);
    }

    // The note says why pupils' share differs, with the numbers of the inputs, and keeps the
    // answer back while it is hidden.
    void theDrawExplanationUsesTheInputsNumbers() {
        core::Model model(",");
        model.setText(core::Text1(2), "5000");
        model.setText(core::Text2(0), "10");
        const QString shown = ui::drawExplanationText(model);
        QVERIFY2(shown.contains(QStringLiteral("тавана 5500")), qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("търсенията до 4499 се падат по-често")),
                 qPrintable(shown));
        QVERIFY2(shown.contains(QStringLiteral("4,99 %, а не 9,07 %")), qPrintable(shown));
        const QString hidden = ui::drawExplanationText(model, false);
        QVERIFY2(!hidden.contains(QStringLiteral("4,99")), qPrintable(hidden));
        model.Situation = 1;
        QVERIFY(ui::drawExplanationText(model).contains(
            QStringLiteral("нито едно теглене не претоварва")));
    }
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    QCoreApplication application(argc, argv);
    TeachingTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "teaching_texts_test.moc"
