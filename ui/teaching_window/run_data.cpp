// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/run_data.hpp"

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
#include "ui/teaching_window/table_writer.hpp"
#include "ui/teaching_window/teaching_texts.hpp"

namespace ui {
namespace {

using Stretch = core::RunStatistics::Stretch;

// "1 теглене", "5 000 тегления".
QString drawsText(std::int64_t count, const core::Model& model) {
    return countText(static_cast<double>(count), model) +
           (count == 1 ? QStringLiteral(" теглене") : QStringLiteral(" тегления"));
}

QString headerLine(const core::Model& model) {
    const core::RunStatistics& statistics = model.statistics;
    const std::int64_t ticks = statistics.latest().tick;
    QString header = QStringLiteral("# ") + inputsText(model) + QStringLiteral("; ");
    if (ticks == 0) {
        return header + QStringLiteral("още няма тегления");
    }
    header += drawsText(ticks, model) + QStringLiteral("; ");
    const auto kept = static_cast<std::int64_t>(statistics.firstDraws().size());
    if (ticks <= kept) {
        return header + QStringLiteral("всички тегления");
    }
    const QString keptText = countText(static_cast<double>(kept), model);
    if (statistics.stride() == 1) {
        return header + QStringLiteral("всички тегления, първите %1 с търсенето им").arg(keptText);
    }
    return header + QStringLiteral(
                        "всяко от първите %1 тегления с търсенето му, след това на всеки %2 "
                        "тегления по едно и последното")
                        .arg(keptText, countText(static_cast<double>(statistics.stride()), model));
}

// The stretch whose inputs the tick drew under; none before the oldest one kept.
const Stretch* stretchOf(std::int64_t tick, std::span<const Stretch> stretches) {
    const auto after = std::ranges::upper_bound(stretches, tick, {}, &Stretch::firstTick);
    return after == stretches.begin() ? nullptr : &*std::prev(after);
}

QString optionalNumber(std::optional<double> value, const core::Model& model) {
    return value ? plainNumber(*value, model) : QString();
}

QStringList drawRow(std::int64_t tick, std::optional<int> demand, std::int64_t overloads,
                    const core::Model& model) {
    const Stretch* stretch = stretchOf(tick, model.statistics.stretches());
    return {
        QString::number(tick),
        demand ? QString::number(*demand) : QString(),
        QString::number(overloads),
        optionalNumber(core::measuredSharePercent(overloads, tick), model),
        stretch != nullptr ? optionalNumber(core::expectedSharePercent(stretch->inputs.capacity,
                                                                       stretch->inputs.ceiling),
                                            model)
                           : QString(),
    };
}

}  // namespace

QString runData(const core::Model& model, DataFormat format) {
    const core::RunStatistics& statistics = model.statistics;
    TableWriter table(model, format);
    table.line({headerLine(model)});
    table.line({QStringLiteral("Теглене"), QStringLiteral("Търсене"),
                QStringLiteral("Претоварвания"), QStringLiteral("Измерен дял, %"),
                QStringLiteral("Очакван дял, %")});

    std::int64_t lastTick = 0;
    for (const auto& draw : statistics.firstDraws()) {
        table.line(drawRow(draw.tick, draw.demand, draw.overloads, model));
        lastTick = draw.tick;
    }
    for (const auto& point : statistics.series()) {
        if (point.tick > lastTick) {
            table.line(drawRow(point.tick, std::nullopt, point.overloads, model));
            lastTick = point.tick;
        }
    }
    // Thinning keeps the multiples of the stride, which the latest tick need not be.
    if (const auto latest = statistics.latest(); latest.tick > lastTick) {
        table.line(drawRow(latest.tick, std::nullopt, latest.overloads, model));
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
