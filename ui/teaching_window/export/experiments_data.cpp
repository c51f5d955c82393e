// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/export/experiments_data.hpp"

#include "core/draw.hpp"
#include "core/measured_share.hpp"
#include "core/share_curve.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/teaching_window/export/table_writer.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {

QString experimentsData(const core::Model& model, const core::ClassesRun* run,
                        std::optional<std::uint32_t> seed, DataFormat format) {
    const NumberFormat numbers = NumberFormat::of(model);
    TableWriter table(numbers, format);
    QString header = QStringLiteral("# ") + inputsText(model);
    if (run != nullptr) {
        header += QStringLiteral("; %1 класа по %2 тегления")
                      .arg(QString::number(run->request().classes),
                           QString::number(run->request().drawsPerClass));
    }
    header += seed ? QStringLiteral("; зърно %1").arg(*seed) : QStringLiteral("; без зърно");
    table.line({header});
    table.line({QStringLiteral("Клас"), QStringLiteral("Претоварвания"),
                QStringLiteral("Измерен дял, %"), QStringLiteral("В коридора")});
    if (run != nullptr) {
        const core::ClassesSummary summary = core::summarize(*run);
        const auto overloads = run->overloads();
        for (std::size_t i = 0; i < overloads.size(); ++i) {
            const double share =
                core::measuredSharePercent(overloads[i], run->request().drawsPerClass).value_or(0);
            const QString inside = !summary.band ? QString()
                                   : share >= summary.band->low && share <= summary.band->high
                                       ? QStringLiteral("да")
                                       : QStringLiteral("не");
            table.line({QString::number(i + 1), QString::number(overloads[i]),
                        plainNumber(share, numbers), inside});
        }
    }
    table.line({});
    table.line({QStringLiteral("Надпродажба, %"), QStringLiteral("Очакван дял, %")});
    const auto curve = core::shareAgainstOverselling(core::capacity(model));
    for (std::size_t percent = 0; percent < curve.size(); ++percent) {
        table.line({QString::number(percent),
                    curve[percent] ? plainNumber(*curve[percent], numbers) : QString()});
    }
    return table.text();
}

}  // namespace ui
