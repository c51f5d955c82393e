// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/words/teaching_texts.hpp"

#include <algorithm>

#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/common/qt_text.hpp"

namespace ui {

SummaryNumbers summaryNumbers(const core::Model& model, const SummaryView& view) {
    return {model.TickCount.value_or(0), model.OverloadCount, core::expectedSharePercent(model),
            view};
}

QString countedText(double count, const QString& one, const QString& many,
                    const NumberFormat& format) {
    return countText(count, format) + QLatin1Char(' ') + (count == 1 ? one : many);
}

namespace {

// A box's text as the teacher typed it, without the blanks around it.
QString typed(const core::Model& model, core::TextField field) {
    return toQString(model.text(field)).trimmed();
}

}  // namespace

QString shortInputsText(const core::Model& model) {
    return QStringLiteral("%1 и %2 %")
        .arg(typed(model, core::Text1(2)),
             typed(model, core::isOverselling(model) ? core::Text2(0) : core::Text2(1)));
}

QString inputsText(const core::Model& model) {
    const auto box = [&model](core::TextField field) { return typed(model, field); };
    const auto ceiling = core::roundedCeiling(core::drawCeiling(model));
    const QString ceilingText =
        ceiling ? countText(*ceiling, NumberFormat::of(model)) : QString(QChar(kNoValue));
    if (core::isOverselling(model)) {
        return QStringLiteral("Надпродажба: брой елементи %1, надпродажба %2 %, таван %3")
            .arg(box(core::Text1(2)), box(core::Text2(0)), ceilingText);
    }
    // The ceiling is the capacity itself here.
    return QStringLiteral("Коефициент на запас: брой елементи %1, сигурност %2 %")
        .arg(box(core::Text1(2)), box(core::Text2(1)));
}

QString summaryText(const core::Model& model, const SummaryView& view) {
    const NumberFormat format = NumberFormat::of(model);
    QString text = QStringLiteral("Тегления: %1; претоварвания: %2; измерен дял: %3")
                       .arg(countText(static_cast<double>(model.TickCount.value_or(0)), format),
                            countText(model.OverloadCount, format),
                            percentOrNone(core::measuredSharePercent(model), format));
    // After a change of the inputs, the current stretch is what the expected share is for.
    const auto stretches = model.statistics.stretches();
    if (stretches.size() > 1) {
        const auto& current = stretches.back();
        const std::int64_t ticks = model.TickCount.value_or(0);
        text += QStringLiteral("; след промяната при теглене %1: %2")
                    .arg(countText(static_cast<double>(current.firstTick), format),
                         percentOrNone(core::measuredSharePercent(
                                           model.OverloadCount - current.overloadsBefore,
                                           ticks - current.firstTick + 1),
                                       format));
    }
    if (view.guess) {
        text += QStringLiteral("; прогноза на класа: ") + percentOrNone(view.guess, format);
    }
    return text + QStringLiteral("; очакван дял: ") +
           (view.expectedShown ? percentOrNone(core::expectedSharePercent(model), format)
                               : QStringLiteral("скрит"));
}

QString drawExplanationText(const core::Model& model, bool expectedShown) {
    const double capacity = core::capacity(model);
    const double ceiling = core::drawCeiling(model);
    const auto demands = core::drawableDemands(ceiling);
    const NumberFormat format = NumberFormat::of(model);
    const auto count = [&format](double value) { return countText(value, format); };
    QString text = QStringLiteral(
                       "Всяко теглене е цяло число от 0 до %1. Търсенето е остатъкът му при "
                       "деление на тавана")
                       .arg(count(core::kDrawScale));
    if (!demands) {
        return text + QStringLiteral(
                          ". С този брой елементи таванът е 0 и не може да се изтегли търсене.");
    }
    const double largest =
        static_cast<double>(std::min<std::int64_t>(*demands - 1, core::kDrawScale));
    text += QStringLiteral(" %1, затова е от 0 до %2.")
                .arg(count(static_cast<double>(*demands)), count(largest));
    if (!core::isOverselling(model)) {
        return text + QStringLiteral(
                          " При коефициент на запас таванът е самият капацитет, затова "
                          "най-голямото търсене е с 1 по-малко от капацитета и нито едно "
                          "теглене не претоварва системата.");
    }
    if (const auto last = core::lastMostFrequentDemand(ceiling)) {
        text += QStringLiteral(
                    " %1 не се дели точно на тавана, затова търсенията до %2 се падат "
                    "по-често от по-големите.")
                    .arg(count(core::kDrawScale), count(static_cast<double>(*last)));
    } else {
        text += QStringLiteral(" Всички търсения се падат почти еднакво често.");
    }
    const auto expected = core::expectedSharePercent(capacity, ceiling);
    const auto even = core::evenSharePercent(capacity, ceiling);
    text += QStringLiteral(" Претоварване е всяко търсене над капацитета %1.").arg(count(capacity));
    if (!expectedShown) {
        return text + QStringLiteral(
                          " Затова очакваният дял не е непременно делът на търсенията над "
                          "капацитета сред всички търсения от 0 до %1.")
                          .arg(count(largest));
    }
    if (expected && even && twoDecimals(*expected, format) != twoDecimals(*even, format)) {
        text +=
            QStringLiteral(
                " Затова очакваният дял е %1 %, а не %2 %, колкото е делът на "
                "търсенията над капацитета сред всички търсения от 0 до %3.")
                .arg(twoDecimals(*expected, format), twoDecimals(*even, format), count(largest));
    } else if (expected) {
        text += QStringLiteral(" Очакваният дял е %1 %.").arg(twoDecimals(*expected, format));
    }
    return text;
}

QString classesSummaryText(const core::ClassesSummary& summary, const core::ClassesRequest& request,
                           const NumberFormat& format, bool expectedShown) {
    if (summary.finished == 0) {
        return QStringLiteral("Още няма класове.");
    }
    const QString classes =
        countedText(summary.finished, QStringLiteral("клас"), QStringLiteral("класа"), format);
    QString text;
    if (expectedShown && summary.band) {
        text = QStringLiteral("%1 от %2 %3 в коридора; ")
                   .arg(countText(summary.insideBand, format), classes,
                        summary.insideBand == 1 ? QStringLiteral("е") : QStringLiteral("са"));
    } else {
        text = classes + QStringLiteral("; ");
    }
    text += QStringLiteral("средно ") + percentOrNone(summary.meanPercent, format);
    if (expectedShown && summary.expected) {
        text += QStringLiteral("; очакван дял ") + percentOrNone(summary.expected, format);
        if (summary.band) {
            text +=
                QStringLiteral("; коридор за %1: от %2 до %3")
                    .arg(countedText(static_cast<double>(request.drawsPerClass),
                                     QStringLiteral("теглене"), QStringLiteral("тегления"), format),
                         percentOrNone(summary.band->low, format),
                         percentOrNone(summary.band->high, format));
        }
    }
    return text;
}

std::optional<double> guessFromText(const QString& text) {
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    if (number.endsWith(QLatin1Char('%'))) {
        number.chop(1);
        number = number.trimmed();
    }
    bool ok = false;
    const double value = number.toDouble(&ok);
    if (!ok || !(value >= 0 && value <= 100)) {
        return std::nullopt;
    }
    return value;
}

QString bandExplanation() {
    return QStringLiteral(
        "Коридорът на 95 %: след толкова тегления поне 95 от 100 измервания на дела попадат в "
        "него. Краищата му не са приближение: между тях е 95 % от биномното разпределение на "
        "броя претоварвания, по 2,5 % остават под и над тях.");
}

}  // namespace ui
