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

QString experimentsData(const core::Model& model, const core::ClassesRun* run, DataFormat format) {
    const NumberFormat numbers = NumberFormat::of(model);
    TableWriter table(numbers, format);
    QString header = inputsText(model);
    if (run == nullptr) {
        header += QStringLiteral("; за тези стойности още няма класове");
    } else {
        const core::ClassesRequest& request = run->request();
        const auto classes = static_cast<double>(request.classes);
        header +=
            QStringLiteral("; %1 по %2, начално число %3")
                .arg(countedText(classes, QStringLiteral("клас"), QStringLiteral("класа"), numbers),
                     countedText(static_cast<double>(request.drawsPerClass),
                                 QStringLiteral("теглене"), QStringLiteral("тегления"), numbers),
                     QString::number(run->seed()));
        // Copied while the classes are computing, the table says how much of it there is.
        const auto finished = static_cast<double>(run->overloads().size());
        if (!run->done()) {
            header += QStringLiteral("; още се изчисляват: готови %1 от %2")
                          .arg(countText(finished, numbers), countText(classes, numbers));
        }
    }
    table.line({header});
    table.line({QStringLiteral("Клас"), QStringLiteral("Претоварвания"),
                QStringLiteral("Измерен дял, %"), QStringLiteral("В коридора")});
    if (run != nullptr) {
        const core::ClassesSummary summary = core::summarize(*run);
        const auto overloads = run->overloads();
        for (std::size_t i = 0; i < overloads.size(); ++i) {
            const double share =
                core::classSharePercent(overloads[i], run->request().drawsPerClass);
            const QString inside = !summary.band                   ? QString()
                                   : summary.band->contains(share) ? QStringLiteral("да")
                                                                   : QStringLiteral("не");
            table.line({QString::number(i + 1), QString::number(overloads[i]),
                        twoDecimals(*core::measuredShareInHundredths(overloads[i],
                                                                     run->request().drawsPerClass),
                                    numbers),
                        inside});
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
