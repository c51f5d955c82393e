// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "core/classes.hpp"
#include "core/model.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/teaching_window/export/table_writer.hpp"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace ui {

class ClassSharesChart;
class PictureArea;
class ShareCurveChart;
class SummaryLine;

// "Експерименти": the same experiment run by many classes at once with the current case and
// inputs, and the expected share against the overselling percentage. Independent of the main
// window's run: it reads the inputs, never the log or the counters, and draws from a generator
// of its own, a slice at a time so that the window keeps answering. Its seed and whether it
// states the expected share are the lesson's. Classes drawn for inputs that have changed since
// are not shown as if they were the current inputs' own: the page says what they were for.
class ExperimentsPage final : public QWidget {
    Q_OBJECT

  public:
    ExperimentsPage(const core::Model& model, Lesson& lesson, QWidget* parent);
    ~ExperimentsPage() override;

    ExperimentsPage(const ExperimentsPage&) = delete;
    ExperimentsPage& operator=(const ExperimentsPage&) = delete;

    // New classes with the chosen counts and the inputs as they are now.
    void runClasses();
    [[nodiscard]] bool running() const;
    [[nodiscard]] QString dataText(DataFormat format) const;
    // Where the inputs changed, the curve follows them, and classes drawn for the earlier
    // inputs step aside.
    void inputsChanged();
    // The page's controls, with their labels, for the window to place in its own rows, where
    // they take no row of their own.
    [[nodiscard]] const std::vector<QWidget*>& controls() const { return controls_; }

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void createControls();
    void advance();
    void showSummary();
    void showLesson(const LessonState& before);
    // Whether the classes were drawn for a capacity or ceiling other than today's.
    [[nodiscard]] bool classesForOtherInputs() const;

    const core::Model& model_;
    Lesson& lesson_;
    std::unique_ptr<core::ClassesRun> run_;
    // The inputs the classes were drawn for, as the teacher typed them: "100 и 10 %".
    QString runInputs_;
    std::vector<QWidget*> controls_;
    QComboBox* classCount_ = nullptr;
    QComboBox* drawsPerClass_ = nullptr;
    QPushButton* newClasses_ = nullptr;
    QLineEdit* seedBox_ = nullptr;
    SummaryLine* summary_ = nullptr;
    ClassSharesChart* classShares_ = nullptr;
    ShareCurveChart* curve_ = nullptr;
    PictureArea* pictures_ = nullptr;
    QTimer* slice_ = nullptr;
    QElapsedTimer started_;
    // Since the summary and the pictures last showed the run: once a frame while it goes.
    QElapsedTimer shown_;
};

}  // namespace ui
