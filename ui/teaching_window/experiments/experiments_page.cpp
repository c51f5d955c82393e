// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/experiments/experiments_page.hpp"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <random>

#include "core/draw.hpp"
#include "ui/common/frame_throttle.hpp"
#include "ui/teaching_window/experiments/class_shares_chart.hpp"
#include "ui/teaching_window/experiments/share_curve_chart.hpp"
#include "ui/teaching_window/export/experiments_data.hpp"
#include "ui/teaching_window/layout/flow_layout.hpp"
#include "ui/teaching_window/layout/input_rule.hpp"
#include "ui/teaching_window/layout/projector_style.hpp"
#include "ui/teaching_window/layout/summary_line.hpp"
#include "ui/teaching_window/pictures/picture_area.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

namespace ui {
namespace {

// Draws per slice of the event loop: a third of a frame's work, so that a slice and the
// repaint after it leave the loop free within every frame while a thousand classes run, and
// input is answered at once.
constexpr std::int64_t kDrawsPerSlice = 20000;
constexpr qint64 kSliceMilliseconds = 5;
// A run shorter than this shows no progress; one longer says how far it is.
constexpr qint64 kMomentMilliseconds = 150;

QComboBox* countBox(const char* name, const QString& accessibleName,
                    std::initializer_list<int> counts, int chosen, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setAccessibleName(accessibleName);
    box->setToolTip(accessibleName);
    for (const int count : counts) {
        // Grouped as the summary groups them: "10 000" in both.
        box->addItem(countText(count, NumberFormat{}), count);
    }
    box->setCurrentIndex(box->findData(chosen));
    return box;
}

}  // namespace

ExperimentsPage::ExperimentsPage(const core::Model& model, Lesson& lesson, QWidget* parent)
    : QWidget(parent), model_(model), lesson_(lesson) {
    setObjectName(QStringLiteral("Experiments"));
    setAccessibleName(QStringLiteral("Експерименти"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(fontMetrics().height() / 3);
    createControls();
    // Broken into lines only between its parts, so that a number keeps its "%".
    summary_ = new SummaryLine(this);
    summary_->setObjectName(QStringLiteral("ClassesSummary"));
    summary_->setAccessibleName(QStringLiteral("Обобщение на класовете"));
    QFont bold = font();
    bold.setBold(true);
    summary_->setFont(bold);
    layout->addWidget(summary_);
    classShares_ = new ClassSharesChart(model_, lesson_, this);
    curve_ = new ShareCurveChart(model_, lesson_, this);
    classShares_->setFont(pictureFont(font()));
    curve_->setFont(pictureFont(font()));
    pictures_ = new PictureArea(classShares_, curve_, this);
    layout->addWidget(pictures_, 1);

    slice_ = new QTimer(this);
    slice_->setInterval(0);
    connect(slice_, &QTimer::timeout, this, &ExperimentsPage::advance);
    connect(&lesson_, &Lesson::changed, this, &ExperimentsPage::showLesson);
    showLesson(LessonState{});
}

ExperimentsPage::~ExperimentsPage() = default;

void ExperimentsPage::createControls() {
    QWidget* const bar = this;
    classCount_ =
        countBox("ClassCount", QStringLiteral("Брой класове"), {10, 30, 100, 1000}, 30, bar);
    drawsPerClass_ = countBox("DrawsPerClass", QStringLiteral("Тегления във всеки клас"),
                              {10, 100, 1000, 10000}, 100, bar);
    newClasses_ = new QPushButton(QStringLiteral("Нови класове"), bar);
    newClasses_->setObjectName(QStringLiteral("RunClasses"));
    newClasses_->setAutoDefault(true);
    newClasses_->setToolTip(
        QStringLiteral("Пуска същия опит в толкова нови класове, с текущите стойности"));
    newClasses_->setAccessibleDescription(newClasses_->toolTip());
    seedBox_ = new QLineEdit(bar);
    seedBox_->setObjectName(QStringLiteral("Seed"));
    seedBox_->setAccessibleName(QStringLiteral("Начално число"));
    seedBox_->setToolTip(QStringLiteral(
        "С него „Нови класове“ (или Enter тук) и „Изчисти“ започват едни и същи тегления, за "
        "да се покажат отново; празно — всеки път различни"));
    seedBox_->setAccessibleDescription(seedBox_->toolTip());
    seedBox_->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), seedBox_));
    explainAcceptedInput(*seedBox_, QStringLiteral("Само цифри, най-много девет"));
    seedBox_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("000000000")) +
                            fontMetrics().height());
    controls_ = {labelledPair(QStringLiteral("Класове:"), classCount_, bar),
                 labelledPair(QStringLiteral("Тегления:"), drawsPerClass_, bar), newClasses_,
                 labelledPair(QStringLiteral("Начално число:"), seedBox_, bar)};

    connect(newClasses_, &QPushButton::clicked, this, &ExperimentsPage::runClasses);
    connect(classCount_, &QComboBox::currentIndexChanged, this, &ExperimentsPage::runClasses);
    connect(drawsPerClass_, &QComboBox::currentIndexChanged, this, &ExperimentsPage::runClasses);
    connect(seedBox_, &QLineEdit::textChanged, this, [this](const QString& text) {
        bool ok = false;
        const std::uint32_t value = text.toUInt(&ok);
        lesson_.setSeed(ok ? std::optional(value) : std::nullopt);
    });
    // A typed seed shows at once what it draws.
    connect(seedBox_, &QLineEdit::returnPressed, this, &ExperimentsPage::runClasses);
}

void ExperimentsPage::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The first look at the page shows classes at once.
    if (!run_) {
        runClasses();
    }
}

void ExperimentsPage::runClasses() {
    const core::ClassesRequest request{
        .capacity = core::capacity(model_),
        .ceiling = core::drawCeiling(model_),
        .classes = classCount_->currentData().toInt(),
        .drawsPerClass = drawsPerClass_->currentData().toInt(),
    };
    // From the seed where the teacher set one, so the same classes can be shown again.
    const auto chosenSeed = lesson_.state().seed;
    const std::uint32_t seed = chosenSeed ? *chosenSeed : std::random_device{}();
    runInputs_ = shortInputsText(model_);
    classShares_->setRun(nullptr);
    run_ = std::make_unique<core::ClassesRun>(request, seed);
    classShares_->setRun(run_.get());
    started_.start();
    // The picture cleared for the new run is painted after this first slice, with its classes.
    shown_.start();
    advance();
    if (!run_->done()) {
        slice_->start();
    }
}

bool ExperimentsPage::running() const {
    return slice_->isActive();
}

void ExperimentsPage::advance() {
    QElapsedTimer slice;
    slice.start();
    while (!run_->done() && slice.elapsed() < kSliceMilliseconds) {
        run_->advance(kDrawsPerSlice);
    }
    if (run_->done()) {
        slice_->stop();
    } else if (shown_.elapsed() < screenFrameMilliseconds(*this)) {
        // Shown with the next frame, together with the classes its slices add.
        return;
    }
    shown_.start();
    showSummary();
    classShares_->update();
}

void ExperimentsPage::showSummary() {
    if (!run_) {
        summary_->setText(QStringLiteral("Още няма класове."));
        return;
    }
    if (!run_->done() && started_.elapsed() >= kMomentMilliseconds) {
        const auto percent =
            100 * run_->drawsDone() / std::max<std::int64_t>(run_->drawsTotal(), 1);
        summary_->setText(QStringLiteral("Класовете се изчисляват: %1\u00A0%").arg(percent));
        return;
    }
    if (!run_->done()) {
        return;
    }
    if (classesForOtherInputs()) {
        summary_->setText(
            QStringLiteral("Класовете са за %1; натиснете „Нови класове“.").arg(runInputs_));
        classShares_->setRun(nullptr);
        classShares_->setAccessibleDescription(summary_->text());
        return;
    }
    // Back from classes for other inputs; the run still shown keeps the dots it has drawn.
    if (classShares_->run() != run_.get()) {
        classShares_->setRun(run_.get());
    }
    classShares_->update();
    summary_->setText(classesSummaryText(core::summarize(*run_), run_->request(),
                                         NumberFormat::of(model_), lesson_.state().expectedShown));
    // The picture's description is the summary's words, made once.
    classShares_->setAccessibleDescription(summary_->text());
    curve_->setAccessibleDescription(curve_->description());
}

void ExperimentsPage::showLesson(const LessonState& /*before*/) {
    const LessonState& now = lesson_.state();
    const QString seedText = now.seed ? QString::number(*now.seed) : QString();
    // The box's own typing comes back as the same seed; "007" stays as typed.
    bool ok = false;
    const std::uint32_t typed = seedBox_->text().toUInt(&ok);
    if ((ok ? std::optional(typed) : std::nullopt) != now.seed) {
        seedBox_->setText(seedText);
    }
    showSummary();
}

bool ExperimentsPage::classesForOtherInputs() const {
    const auto same = [](double a, double b) { return a == b || (std::isnan(a) && std::isnan(b)); };
    return run_ && !(same(run_->request().capacity, core::capacity(model_)) &&
                     same(run_->request().ceiling, core::drawCeiling(model_)));
}

void ExperimentsPage::inputsChanged() {
    curve_->update();
    curve_->setAccessibleDescription(curve_->description());
    showSummary();
}

QString ExperimentsPage::dataText(DataFormat format) const {
    // Classes drawn for other inputs are not the rows of today's inputs.
    return experimentsData(model_, classesForOtherInputs() ? nullptr : run_.get(), format);
}

}  // namespace ui
