// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window's words and numbers as a Bulgarian reader meets them.

#include "ui/teaching_window/teaching_texts.hpp"

#include <QtTest>

#include "core/model.hpp"
#include "ui/common/number_texts.hpp"

class TeachingTextsTest : public QObject {
    Q_OBJECT

  private slots:
    void timesTakeTheBulgarianPlural_data() {
        QTest::addColumn<qulonglong>("count");
        QTest::addColumn<QString>("text");
        QTest::newRow("one") << 1ULL << QStringLiteral("1 път");
        QTest::newRow("none") << 0ULL << QStringLiteral("0 пъти");
        QTest::newRow("two") << 2ULL << QStringLiteral("2 пъти");
        QTest::newRow("twenty-one") << 21ULL << QStringLiteral("21 пъти");
        QTest::newRow("grouped") << 12345ULL << QStringLiteral("12\u00A0345 пъти");
    }

    void timesTakeTheBulgarianPlural() {
        QFETCH(qulonglong, count);
        QFETCH(QString, text);
        const core::Model model(",");
        QCOMPARE(ui::timesText(count, model), text);
    }

    // Bulgarian groups from five digits on, with a no-break space; fractions keep the model's
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
        const core::Model model(",");
        QCOMPARE(ui::countText(value, model), text);
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
};

int main(int argc, char* argv[]) {
    qputenv("LC_ALL", "bg_BG.UTF-8");
    QCoreApplication application(argc, argv);
    TeachingTextsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "teaching_texts_test.moc"
