// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The teaching window: a second, non-modal top-level window over the main form's run. It
// reads the model, never writes it; it reaches the run only through the RunControl door, so
// every tick still goes through Timer1_Timer; and what the lesson is about (the answer shown
// or hidden, the guess, the speed, the seed, the page) it reads from and writes to the Lesson,
// which outlives it. It holds the pages, the actions and keys, and presentation mode.

#include <QList>
#include <QWidget>
#include <optional>
#include <vector>

#include "core/model.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/teaching_window/export/run_data.hpp"
#include "ui/teaching_window/words/teaching_texts.hpp"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTimer;

namespace ui {

class DemandHistogram;
class DrawExplanation;
class ExperimentsPage;
class FrameThrottle;
class PictureArea;
class PictureRefresh;
class RunControl;
class ShareChart;
class SummaryLine;
class TickPacer;

class TeachingWindow final : public QWidget {
    Q_OBJECT

  public:
    // `sharedActions` are the application's items both windows offer, such as the About box.
    TeachingWindow(const core::Model& model, RunControl& run, Lesson& lesson,
                   const QList<QAction*>& sharedActions, QWidget* parent);

    // The page shown under a line that names the case, the inputs and the number of draws.
    [[nodiscard]] QImage pictureImage() const;
    // The shown page's data as "Копирай данните" copies it, or as "Запази данните…" saves it:
    // see export/run_data.hpp and export/experiments_data.hpp.
    [[nodiscard]] QString dataText(DataFormat format = DataFormat::Clipboard) const;

    // Presentation mode: full screen, with the case and inputs and the main window's buttons.
    void setPresenting(bool presenting);

  protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* createControls();
    QWidget* createRunPage();
    void createActions(const QList<QAction*>& sharedActions);
    void setTabOrder();
    void showLesson(const LessonState& before);
    void applySpeed();
    void runChanged();
    void showSummary();
    void describePictures();
    // Shows what the window's height, mode and page leave room for.
    void fitControls();
    void copyData();

    const core::Model& model_;
    RunControl& run_;
    Lesson& lesson_;
    QLabel* inputs_ = nullptr;
    SummaryLine* summary_ = nullptr;
    ShareChart* shareChart_ = nullptr;
    DemandHistogram* histogram_ = nullptr;
    ExperimentsPage* experiments_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    QPushButton* runButton_ = nullptr;
    QPushButton* clearButton_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* step_ = nullptr;
    QComboBox* speed_ = nullptr;
    QLineEdit* guess_ = nullptr;
    QPushButton* explain_ = nullptr;
    QPushButton* experimentsButton_ = nullptr;
    // The time controls and the guess, with their labels: the first page's alone.
    std::vector<QWidget*> runPageControls_;
    QPushButton* savePicture_ = nullptr;
    QPushButton* copyData_ = nullptr;
    QPushButton* saveData_ = nullptr;
    // Every action of the window, as the context menu has them.
    QPushButton* menuButton_ = nullptr;
    // "Копирано" over the pictures, for a copy made while its button is out of sight.
    QLabel* copiedNote_ = nullptr;
    QAction* hideExpected_ = nullptr;
    QAction* presentation_ = nullptr;
    QAction* showExperiments_ = nullptr;
    QAction* close_ = nullptr;
    DrawExplanation* explanation_ = nullptr;
    QTimer* copied_ = nullptr;
    std::optional<SummaryNumbers> summaryShown_;
    PictureRefresh* refresh_ = nullptr;
    TickPacer* pacer_ = nullptr;
    FrameThrottle* throttle_ = nullptr;
    // The window's state before presentation mode, to go back to.
    Qt::WindowStates statesBeforePresenting_;
};

}  // namespace ui
