// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/words/teaching_texts.hpp"

#include <QRegularExpression>
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
    return QStringLiteral("%1 и %2\u00A0%")
        .arg(typed(model, core::Text1(2)),
             typed(model, core::isOverselling(model) ? core::Text2(0) : core::Text2(1)));
}

QString inputsText(const core::Model& model) {
    const auto box = [&model](core::TextField field) { return typed(model, field); };
    const auto ceiling = core::roundedCeiling(core::drawCeiling(model));
    const QString ceilingText =
        ceiling ? countText(*ceiling, NumberFormat::of(model)) : QString(QChar(kNoValue));
    if (core::isOverselling(model)) {
        return QStringLiteral("Надпродажба: брой елементи %1, надпродажба %2\u00A0%, таван %3")
            .arg(box(core::Text1(2)), box(core::Text2(0)), ceilingText);
    }
    // The ceiling is the capacity itself here.
    return QStringLiteral("Коефициент на запас: брой елементи %1, сигурност %2\u00A0%")
        .arg(box(core::Text1(2)), box(core::Text2(1)));
}

QString summaryText(const core::Model& model, const SummaryView& view) {
    const NumberFormat format = NumberFormat::of(model);
    QString text = QStringLiteral("Тегления: %1; претоварвания: %2; измерен дял: %3")
                       .arg(countText(static_cast<double>(model.TickCount.value_or(0)), format),
                            countText(model.OverloadCount, format),
                            percentOrNone(core::measuredShareInHundredths(
                                              model.OverloadCount, model.TickCount.value_or(0)),
                                          format));
    // After a change of the inputs, the current stretch is what the expected share is for.
    const auto stretches = model.statistics.stretches();
    if (stretches.size() > 1) {
        const auto& current = stretches.back();
        const std::int64_t ticks = model.TickCount.value_or(0);
        text += QStringLiteral("; след промяната (от теглене %1 нататък): %2")
                    .arg(countText(static_cast<double>(current.firstTick), format),
                         percentOrNone(core::measuredShareInHundredths(
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

namespace {

// "търсенията от 5001 до 5499", or "търсенето 5499" where the range holds one.
QString demandsText(std::int64_t first, std::int64_t last, const NumberFormat& format) {
    const QString firstText = countText(static_cast<double>(first), format);
    if (first == last) {
        return QStringLiteral("търсенето ") + firstText;
    }
    return QStringLiteral("търсенията от %1 до %2")
        .arg(firstText, countText(static_cast<double>(last), format));
}

// Which demands come up more often, and how much more: "twice" where the draws wrap once.
QString unevenText(const core::UnevenDemands& uneven, std::int64_t ceiling, std::int64_t largest,
                   const NumberFormat& format) {
    const auto count = [&format](std::int64_t value) {
        return countText(static_cast<double>(value), format);
    };
    QString text = QStringLiteral(
                       " Числото %1 не се дели точно на %2, затова търсенията от 0 до "
                       "%3 се падат ")
                       .arg(count(core::kDrawScale), count(ceiling), count(uneven.lastFrequent));
    const std::int64_t firstRare = uneven.lastFrequent + 1;
    const QString rare =
        firstRare == largest
            ? QStringLiteral("от търсенето %1").arg(count(largest))
            : QStringLiteral("от тези от %1 до %2").arg(count(firstRare), count(largest));
    if (uneven.drawsPerRare == 1) {
        return text + QStringLiteral("два пъти по-често %1.").arg(rare);
    }
    return text + QStringLiteral(
                      "по-често %1: всяко от по-честите идва от %2 тегления, а всяко "
                      "от по-редките — от %3.")
                      .arg(rare, count(uneven.drawsPerFrequent), count(uneven.drawsPerRare));
}

}  // namespace

QString drawExplanationText(const core::Model& model, bool expectedShown) {
    const double capacity = core::capacity(model);
    const double ceiling = core::drawCeiling(model);
    const NumberFormat format = NumberFormat::of(model);
    const auto count = [&format](double value) { return countText(value, format); };
    QString text = QStringLiteral(
                       "Всяко теглене е цяло число от 0 до %1. Търсенето е остатъкът "
                       "му при деление на тавана")
                       .arg(count(core::kDrawScale));
    const auto range = core::drawableDemandRange(capacity, ceiling);
    const auto rounded = core::drawableDemands(ceiling);
    if (!range || !rounded) {
        return text + QStringLiteral(
                          ". С този брой елементи таванът е 0 и не може да се изтегли търсене.");
    }
    const auto largest = static_cast<double>(range->largest);
    // Above the largest draw the remainder is the draw itself, whose ends weigh half.
    const bool aboveEveryDraw = *rounded > core::kDrawScale;
    if (aboveEveryDraw) {
        text += QStringLiteral(
                    " %1. Таванът е над %2, затова търсенето е самото теглене: от 0 до %2. "
                    "Всички търсения се падат еднакво често, освен 0 и %2, които се падат "
                    "наполовина по-рядко.")
                    .arg(count(static_cast<double>(*rounded)), count(core::kDrawScale));
    } else {
        text += QStringLiteral(" %1: число от 0 до %2.")
                    .arg(count(static_cast<double>(*rounded)), count(largest));
    }
    if (!core::isOverselling(model)) {
        return text + QStringLiteral(
                          " При коефициент на запас таванът е самият капацитет: най-голямото "
                          "търсене е с 1 по-малко от капацитета и нито едно теглене не "
                          "претоварва системата.");
    }
    const auto uneven = core::unevenDemands(ceiling);
    if (uneven) {
        text += unevenText(*uneven, *rounded, range->largest, format);
    } else if (!aboveEveryDraw) {
        text += QStringLiteral(" Всички търсения се падат почти еднакво често.");
    }
    if (range->firstOverloading > range->largest) {
        return text + QStringLiteral(
                          " Претоварване е търсене над капацитета %1, а такова не може "
                          "да се изтегли.")
                          .arg(count(capacity));
    }
    text += QStringLiteral(" Претоварване е всяко търсене над капацитета %1, тоест %2.")
                .arg(count(capacity), demandsText(range->firstOverloading, range->largest, format));
    const auto expected = core::expectedSharePercent(capacity, ceiling);
    const auto even = core::evenSharePercent(capacity, ceiling);
    if (!expected || !even) {
        return text;
    }
    if (!expectedShown) {
        return text + QStringLiteral(
                          " Колко от тегленията ще претоварят системата, ще видим, "
                          "когато очакваният дял бъде показан.");
    }
    if (twoDecimals(*expected, format) == twoDecimals(*even, format)) {
        return text + QStringLiteral(" Очакваният дял е %1.").arg(percentText(*expected, format));
    }
    QString among = QStringLiteral("Не всички търсения се падат еднакво често");
    if (aboveEveryDraw) {
        among = QStringLiteral("Търсенето %1 се пада наполовина по-рядко").arg(count(largest));
    } else if (uneven && range->firstOverloading > uneven->lastFrequent) {
        among = QStringLiteral("Те са само сред по-редките търсения");
    }
    return text + QStringLiteral(
                      " %1, затова очакваният дял е %2, а не %3, колкото би бил, ако "
                      "всички търсения от 0 до %4 се падаха еднакво често.")
                      .arg(among, percentText(*expected, format), percentText(*even, format),
                           count(largest));
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
    // Digits with a comma or a point, as pupils write a share: no sign, no exponent.
    static const QRegularExpression kShare(
        QStringLiteral("^\\s*(\\d{1,3}(?:[.,]\\d*)?|[.,]\\d+)\\s*%?\\s*$"));
    const QRegularExpressionMatch match = kShare.match(text);
    if (!match.hasMatch()) {
        return std::nullopt;
    }
    const double value = match.captured(1).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    if (value > 100) {
        return std::nullopt;
    }
    return value;
}

QString bandExplanation() {
    return QStringLiteral(
        "Коридорът на 95\u00A0%: след толкова тегления поне 95 от 100 измервания на дела попадат в "
        "него. Краищата му не са приближение: между тях е 95\u00A0% от биномното разпределение на "
        "броя претоварвания, по 2,5\u00A0% остават под и над тях.");
}

}  // namespace ui
