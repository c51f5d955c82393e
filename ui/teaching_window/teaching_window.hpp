// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The teaching window: a second, non-modal top-level window over the main form's model. It
// reads the model, never writes it, and reaches the run only through the form's RunControl
// (pause, one step, tick interval) and the form's own buttons' handler, so every tick still
// goes through Timer1_Timer. The run's changed signal updates the summary at once; the
// pictures are repainted from the model at most once a frame however fast the ticks come.

#include <QElapsedTimer>
#include <QImage>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/teaching_window/teaching_texts.hpp"

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
class MainForm;
class PictureArea;
class RunControl;
class ShareChart;
class SummaryLine;
class TickPacer;

class TeachingWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit TeachingWindow(MainForm& form);

    // The page shown, the first's summary and pictures or the experiments, under a line that
    // names the case, the inputs and the number of draws, at twice the screen's pixel density.
    [[nodiscard]] QImage pictureImage() const;
    // pictureImage() as a PNG file; false when it could not be written.
    bool savePicture(const QString& path) const;
    // The shown page's data as "Копирай данните" copies it: tab-separated, see run_data.hpp
    // and experiments_data.hpp.
    [[nodiscard]] QString dataText() const;
    // The run's data as "Запази данните…" saves it; false when it could not be written.
    bool saveData(const QString& path) const;

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
    QWidget* createPicture();
    void createActions();
    void runChanged();
    void showSummary();
    void setSpeed(int tickMilliseconds);
    void repaintPictures();
    void describePictures();
    void setExpectedShown(bool shown);
    void showExperiments(bool shown);
    // Shows what the window's height and mode leave room for.
    void fitControls();
    void askAndSavePicture();
    void askAndSaveData();
    void copyData();

    MainForm& form_;
    RunControl& run_;
    SummaryView view_;
    QLabel* inputs_ = nullptr;
    SummaryLine* summary_ = nullptr;
    ShareChart* shareChart_ = nullptr;
    DemandHistogram* histogram_ = nullptr;
    PictureArea* pictures_ = nullptr;
    QWidget* picture_ = nullptr;
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
    std::vector<QWidget*> runControls_;
    QPushButton* savePicture_ = nullptr;
    QPushButton* copyData_ = nullptr;
    QPushButton* saveData_ = nullptr;
    QAction* hideExpected_ = nullptr;
    QAction* presentation_ = nullptr;
    QAction* showExperiments_ = nullptr;
    DrawExplanation* explanation_ = nullptr;
    QTimer* frame_ = nullptr;
    QTimer* copied_ = nullptr;
    std::optional<SummaryNumbers> summaryShown_;
    QElapsedTimer described_;
    QTimer* describe_ = nullptr;
    TickPacer* pacer_ = nullptr;
    FrameThrottle* formThrottle_ = nullptr;
    FrameThrottle* ownThrottle_ = nullptr;
    // The window's state before presentation mode, to go back to.
    Qt::WindowStates statesBeforePresenting_;
};

// Opens the teaching window of the form, or raises it when it is open.
TeachingWindow* openTeachingWindow(MainForm& form);

// The action that opens it, "Графика…" with F2, made as a child of the form for the form's
// keys and context menu.
QAction* makeTeachingWindowAction(MainForm& form);

}  // namespace ui
