// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window's words and numbers as a Bulgarian reader meets them.

#include "ui/teaching_window/words/teaching_texts.hpp"

#include <QtTest>
#include <optional>

#include "core/model.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/words/guess_validator.hpp"

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
        QCOMPARE(
            ui::summaryText(model),
            QStringLiteral("Тегления: 12\u00A0345; претоварвания: 1000; измерен дял: 8,10\u00A0%; "
                           "очакван дял: 8,10\u00A0%"));
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
                 QStringLiteral("Тегления: 4; претоварвания: 2; измерен дял: 50,00\u00A0%; след "
                                "промяната (от теглене 3 нататък): 100,00\u00A0%; прогноза на "
                                "класа: 12,50\u00A0%; очакван дял: скрит"));
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

    // The box takes a share and what may still become one, never what draws nothing.
    void theGuessBoxTakesOnlyAShare_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("state");
        const int accepted = QValidator::Acceptable;
        const int typing = QValidator::Intermediate;
        const int refused = QValidator::Invalid;
        QTest::newRow("a share") << QStringLiteral("8,5") << accepted;
        QTest::newRow("empty") << QString() << accepted;
        QTest::newRow("with its sign") << QStringLiteral("10 %") << accepted;
        QTest::newRow("a separator still open") << QStringLiteral("8,") << accepted;
        QTest::newRow("only a separator so far") << QStringLiteral(",") << typing;
        QTest::newRow("above 100") << QStringLiteral("101") << refused;
        QTest::newRow("just above 100") << QStringLiteral("100,5") << refused;
        QTest::newRow("negative") << QStringLiteral("-5") << refused;
        QTest::newRow("letters") << QStringLiteral("abc") << refused;
        QTest::newRow("an exponent") << QStringLiteral("1e1") << refused;
    }

    void theGuessBoxTakesOnlyAShare() {
        QFETCH(QString, text);
        QFETCH(int, state);
        const ui::GuessValidator validator;
        int position = 0;
        QCOMPARE(static_cast<int>(validator.validate(text, position)), state);
    }

    // The note says why pupils' share differs, with the numbers of the inputs, and keeps the
    // answer back while it is hidden. Its numbers worked out by hand: 499 of 5500 demands are
    // 9,07 %, but each is one of 20000 half-draws; 9 of 110 are 8,18 %.
    void theDrawExplanationUsesTheInputsNumbers_data() {
        QTest::addColumn<QString>("capacity");
        QTest::addColumn<QString>("percent");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("note");
        const QString start = QStringLiteral(
            "Всяко теглене е цяло число от 0 до 10\u00A0000. "
            "Търсенето е остатъкът му при деление на тавана ");
        QTest::newRow("twice as often")
            << "5000"
            << "10" << true
            << start + QStringLiteral(
                           "5500: число от 0 до 5499. Числото 10\u00A0000 не се дели точно на "
                           "5500, затова търсенията от 0 до 4499 се падат два пъти по-често от "
                           "тези от 4500 до 5499. Претоварване е всяко търсене над капацитета "
                           "5000, тоест търсенията от 5001 до 5499. Те са само сред по-редките "
                           "търсения, затова очакваният дял е 4,99\u00A0%, а не 9,07\u00A0%, "
                           "колкото би бил, ако всички търсения от 0 до 5499 се падаха еднакво "
                           "често.");
        QTest::newRow("hidden answer")
            << "5000"
            << "10" << false
            << start + QStringLiteral(
                           "5500: число от 0 до 5499. Числото 10\u00A0000 не се дели точно на "
                           "5500, затова търсенията от 0 до 4499 се падат два пъти по-често от "
                           "тези от 4500 до 5499. Претоварване е всяко търсене над капацитета "
                           "5000, тоест търсенията от 5001 до 5499. Колко от тегленията ще "
                           "претоварят системата, ще видим, когато очакваният дял бъде показан.");
        QTest::newRow("one draw more")
            << "100"
            << "10" << true
            << start + QStringLiteral(
                           "110: число от 0 до 109. Числото 10\u00A0000 не се дели точно на 110, "
                           "затова търсенията от 0 до 99 се падат по-често от тези от 100 до 109: "
                           "всяко от по-честите идва от 91 тегления, а всяко от по-редките — от "
                           "90. Претоварване е всяко търсене над капацитета 100, тоест търсенията "
                           "от 101 до 109. Те са само сред по-редките търсения, затова очакваният "
                           "дял е 8,10\u00A0%, а не 8,18\u00A0%, колкото би бил, ако всички "
                           "търсения от 0 до 109 се падаха еднакво често.");
        // 3999,5 of 10000 draws overload, and the generator gives the last a little less.
        QTest::newRow("a ceiling above every draw")
            << "6000"
            << "99" << true
            << start + QStringLiteral(
                           "11\u00A0940. Таванът е над 10\u00A0000, затова търсенето е самото "
                           "теглене: от 0 до 10\u00A0000. Всички търсения се падат еднакво често, "
                           "освен 0 и 10\u00A0000, които се падат наполовина по-рядко. "
                           "Претоварване е всяко търсене над капацитета 6000, тоест търсенията от "
                           "6001 до 10\u00A0000. Търсенето 10\u00A0000 се пада наполовина "
                           "по-рядко, затова очакваният дял е 39,99\u00A0%, а не 40,00\u00A0%, "
                           "колкото би бил, ако всички търсения от 0 до 10\u00A0000 се падаха "
                           "еднакво често.");
    }

    void theDrawExplanationUsesTheInputsNumbers() {
        QFETCH(QString, capacity);
        QFETCH(QString, percent);
        QFETCH(bool, shown);
        QFETCH(QString, note);
        core::Model model(",");
        model.setText(core::Text1(2), capacity.toStdString());
        model.setText(core::Text2(0), percent.toStdString());
        const QString text = ui::drawExplanationText(model, shown);
        QVERIFY2(text == note, qPrintable(text));
    }
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    QCoreApplication application(argc, argv);
    TeachingTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "teaching_texts_test.moc"
