// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The teaching window: a second, non-modal top-level window over the main form's model. It
// reads the model, never writes it, and reaches the run only through the form's RunControl
// (pause, one step, tick interval), so every tick still goes through Timer1_Timer. The run's
// changed signal updates the summary at once; the pictures are repainted from the model at
// most once a frame however fast the ticks come.

#include <QElapsedTimer>
#include <QWidget>
#include <optional>

#include "ui/teaching_window/teaching_texts.hpp"

class QAction;
class QComboBox;
class QPushButton;
class QTimer;

namespace ui {

class DemandHistogram;
class FrameThrottle;
class MainForm;
class RunControl;
class ShareChart;
class SummaryLine;
class TickPacer;

class TeachingWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit TeachingWindow(MainForm& form);

    // The two pictures and the summary as one PNG image; false when it could not be written.
    bool savePicture(const QString& path) const;
    // The series and the demand counts as tab-separated text, as "Копирай данните" copies it.
    [[nodiscard]] QString dataText() const;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    QWidget* createPicture();
    QWidget* createControls();
    QWidget* createDataButtons();
    void runChanged();
    void setSpeed(int tickMilliseconds);
    void repaintPictures();
    void describePictures();
    void askAndSavePicture();
    void copyData() const;

    MainForm& form_;
    RunControl& run_;
    SummaryLine* summary_ = nullptr;
    ShareChart* shareChart_ = nullptr;
    DemandHistogram* histogram_ = nullptr;
    QWidget* picture_ = nullptr;
    QPushButton* pause_ = nullptr;
    QPushButton* step_ = nullptr;
    QComboBox* speed_ = nullptr;
    QPushButton* savePicture_ = nullptr;
    QPushButton* copyData_ = nullptr;
    QTimer* frame_ = nullptr;
    std::optional<SummaryNumbers> summaryShown_;
    QElapsedTimer described_;
    QTimer* describe_ = nullptr;
    TickPacer* pacer_ = nullptr;
    FrameThrottle* formThrottle_ = nullptr;
    FrameThrottle* ownThrottle_ = nullptr;
};

// Opens the teaching window of the form, or raises it when it is open.
TeachingWindow* openTeachingWindow(MainForm& form);

// The action that opens it, "Графика…" with F2, made as a child of the form for the form's
// keys and context menu.
QAction* makeTeachingWindowAction(MainForm& form);

}  // namespace ui
