// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/export/run_data.hpp"

#include <QStringList>
#include <algorithm>
#include <cstdint>
#include <iterator>
#include <optional>
#include <span>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "core/run_statistics.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/export/table_writer.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {
namespace {

using Stretch = core::RunStatistics::Stretch;

QString headerLine(const core::Model& model, const NumberFormat& numbers) {
    const core::RunStatistics& statistics = model.statistics;
    const std::int64_t ticks = statistics.latest().tick;
    QString header = inputsText(model) + QStringLiteral("; ");
    if (ticks == 0) {
        return header + QStringLiteral("още няма тегления");
    }
    header += countedText(static_cast<double>(ticks), QStringLiteral("теглене"),
                          QStringLiteral("тегления"), numbers) +
              QStringLiteral("; ");
    const auto kept = static_cast<std::int64_t>(statistics.firstDraws().size());
    if (ticks <= kept) {
        return header + QStringLiteral("всички тегления");
    }
    const QString keptText = countText(static_cast<double>(kept), numbers);
    if (statistics.stride() == 1) {
        return header + QStringLiteral("всички тегления, първите %1 с търсенето им").arg(keptText);
    }
    return header +
           QStringLiteral(
               "всяко от първите %1 тегления с търсенето му, след това на всеки %2 "
               "тегления по едно и последното")
               .arg(keptText, countText(static_cast<double>(statistics.stride()), numbers));
}

// The stretch whose inputs the tick drew under; none before the oldest one kept.
const Stretch* stretchOf(std::int64_t tick, std::span<const Stretch> stretches) {
    const auto after = std::ranges::upper_bound(stretches, tick, {}, &Stretch::firstTick);
    return after == stretches.begin() ? nullptr : &*std::prev(after);
}

// Two decimals, as the window shows the shares.
QString optionalShare(std::optional<double> percent, const NumberFormat& numbers) {
    return percent ? twoDecimals(*percent, numbers) : QString();
}

// The expected share's column is left out while the class has yet to see the answer.
QStringList drawRow(std::int64_t tick, std::optional<int> demand, std::int64_t overloads,
                    std::optional<std::span<const Stretch>> stretches,
                    const NumberFormat& numbers) {
    QStringList row{
        QString::number(tick),
        demand ? QString::number(*demand) : QString(),
        QString::number(overloads),
        optionalShare(core::measuredShareInHundredths(overloads, tick), numbers),
    };
    if (stretches) {
        const Stretch* stretch = stretchOf(tick, *stretches);
        row << (stretch != nullptr
                    ? optionalShare(core::expectedSharePercent(stretch->inputs.capacity,
                                                               stretch->inputs.ceiling),
                                    numbers)
                    : QString());
    }
    return row;
}

}  // namespace

QString runData(const core::Model& model, bool expectedShown, DataFormat format) {
    const core::RunStatistics& statistics = model.statistics;
    const NumberFormat numbers = NumberFormat::of(model);
    const auto stretches = expectedShown ? std::optional(statistics.stretches()) : std::nullopt;
    TableWriter table(numbers, format);
    table.line({headerLine(model, numbers)});
    QStringList headings{QStringLiteral("Теглене"), QStringLiteral("Търсене"),
                         QStringLiteral("Претоварвания"), QStringLiteral("Измерен дял, %")};
    if (expectedShown) {
        headings << QStringLiteral("Очакван дял, %");
    }
    table.line(headings);

    std::int64_t lastTick = 0;
    for (const auto& draw : statistics.firstDraws()) {
        table.line(drawRow(draw.tick, draw.demand, draw.overloads, stretches, numbers));
        lastTick = draw.tick;
    }
    for (const auto& point : statistics.series()) {
        if (point.tick > lastTick) {
            table.line(drawRow(point.tick, std::nullopt, point.overloads, stretches, numbers));
            lastTick = point.tick;
        }
    }
    // Thinning keeps the multiples of the stride, which the latest tick need not be.
    if (const auto latest = statistics.latest(); latest.tick > lastTick) {
        table.line(drawRow(latest.tick, std::nullopt, latest.overloads, stretches, numbers));
    }

    table.line({});
    table.line({QStringLiteral("Търсене"), QStringLiteral("Брой тегления")});
    const auto counts = statistics.demandCounts();
    for (std::size_t demand = 0; demand < counts.size(); ++demand) {
        table.line({QString::number(demand), QString::number(counts[demand])});
    }
    return table.text();
}

}  // namespace ui
