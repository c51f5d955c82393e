// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The summary of the teaching window as text, made from the model.

#include <QString>
#include <cstdint>
#include <optional>

#include "core/classes.hpp"
#include "core/model.hpp"
#include "ui/common/number_texts.hpp"

namespace ui {

// What the teacher has chosen to show beside the run: the expected share, or not yet, and the
// class's guess.
struct SummaryView {
    bool expectedShown = true;
    std::optional<double> guess;

    friend bool operator==(const SummaryView&, const SummaryView&) = default;
};

// What the summary states; the text changes only when these do.
struct SummaryNumbers {
    std::int64_t ticks;
    int overloads;
    std::optional<double> expected;
    SummaryView view;

    friend bool operator==(const SummaryNumbers&, const SummaryNumbers&) = default;
};
SummaryNumbers summaryNumbers(const core::Model& model, const SummaryView& view = {});

// A count and its noun, the singular `one` for 1 and the plural `many` for any other count, as
// Bulgarian counts: "1 път", "2 пъти", "5000 тегления".
QString countedText(double count, const QString& one, const QString& many,
                    const NumberFormat& format);

// The case and the inputs the next draw reads, as one line: "Надпродажба: брой елементи 100,
// надпродажба 10 %, таван 110". The boxes' texts stand as typed; the ceiling is the draw's.
QString inputsText(const core::Model& model);
// The same, short, for what a run was drawn for: "100 и 10 %".
QString shortInputsText(const core::Model& model);

// "Тегления: n; претоварвания: k; измерен дял: m %; очакван дял: e %", with the measured
// share since the inputs last changed ("след промяната при теглене t: s %") where they
// changed during the run, "прогноза на класа: g %" where the class guessed, and the expected
// share "скрит" while it is hidden.
QString summaryText(const core::Model& model, const SummaryView& view = {});

// The note "Как се тегли?" for the current inputs: how a demand is drawn, why the small
// demands come up more often where the remainder wraps unevenly, and why that makes the
// expected share differ from the demands above the capacity divided by all demands; in the
// safety case, why nothing overloads. Without the expected share's value while it is hidden.
QString drawExplanationText(const core::Model& model, bool expectedShown = true);

// "28 от 30 класа са в коридора; средно 8,07 %; очакван дял 8,10 %; коридор за 100
// тегления: от 2,75 % до 13,45 %": what many classes at once came to; the expected share and
// the band only while the expected share is shown.
QString classesSummaryText(const core::ClassesSummary& summary, const core::ClassesRequest& request,
                           const NumberFormat& format, bool expectedShown = true);

// What the band of 95 % is, for the tooltips of the pictures that draw it.
QString bandExplanation();

// The class's guess as typed into its box: a percentage from 0 to 100 in digits with either
// decimal separator, and a "%" if the teacher likes; none for an empty box or anything else.
std::optional<double> guessFromText(const QString& text);

}  // namespace ui
