// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

// MainForm owns the core model, the random source, every control and the timer Timer1.
// Qt's signals reach the handlers below, named as the design names them; the handlers call
// the core, which reads and writes the model. Every model write, the program's or the
// user's, comes back through the model's change listener: it mirrors the new text into its
// box, then runs the box's Change handler, which runs CheckInputs. The model is the one
// source of truth; the widgets only show it, and every way a widget's text or check changes
// (typing, paste, undo, code, an assistive tool) comes back to the model or is undone.

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/model.hpp"
#include "core/tick.hpp"
#include "runtime/random_source.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/main_window/run_control.hpp"

class QMessageBox;
class QPushButton;
class QTimer;

namespace ui {

class FrameThrottle;
class MultiLineView;

class MainForm final : public QWidget {
    Q_OBJECT

  public:
    explicit MainForm(std::unique_ptr<runtime::RandomSource> random, QWidget* parent = nullptr);
    ~MainForm() override;

    [[nodiscard]] const core::Model& model() const { return model_; }

    void Form_Load();
    void Command1_Click(int index);
    void Option1_Click(int index);
    void Text1_Change(int index);
    void Text2_Change(int index);
    void Timer1_Timer();

    // The lesson this form's run belongs to: while it hides the expected share, so does the
    // tooltip of "% откази", and its seed starts the generator afresh at every "Изчисти" and
    // change of case, so that a run can be shown again. Without one, the tooltip states it
    // and the one clock-seeded sequence goes on.
    void followLesson(const Lesson& lesson);

    // How the run is driven from outside the form; see ui/main_window/run_control.hpp.
    [[nodiscard]] RunControl& runControl() const;

  private:
    class Run;

    void createControls();
    void connectControls();
    void connectTextBox(core::TextField field);
    void showText(core::TextField field);
    // Shows what the ticks of one interval wrote, each box its last text, and says once
    // that the run changed.
    void showGathered();
    void syncRunButton();
    void syncTimer();
    void showStopMessage(core::StopReason reason);
    [[nodiscard]] bool stopMessageOpen() const;
    void showExpectedShareToolTip();
    // Reset, reseed and an empty log: what "Изчисти" and a change of case share.
    void startOver();

    core::Model model_;
    std::unique_ptr<runtime::RandomSource> random_;
    std::array<QWidget*, 3> text1_{};
    std::array<QWidget*, 3> text2_{};
    // The views of the multi-line boxes Text1(0) and Text1(1).
    std::array<MultiLineView*, 2> multiLineViews_{};
    QPushButton* runButton_ = nullptr;
    QTimer* timer_ = nullptr;
    QPointer<QMessageBox> stopMessage_;
    Run* run_ = nullptr;
    // Paints the form at most once a frame while the ticks come faster than frames.
    FrameThrottle* throttle_ = nullptr;
    // While a step of a paused run takes its one tick, the timer is enabled for Timer1_Timer
    // but not started.
    bool stepping_ = false;
    // Set through the run's door while a teacher types into an input box.
    bool ticksHeld_ = false;
    // While the timer's interval takes its ticks, the boxes written wait in unshown_.
    bool gathering_ = false;
    std::vector<core::TextField> unshown_;
    // The expected share the tooltip of "% откази" states, once it has stated one.
    std::optional<std::optional<double>> toolTipShare_;
    const Lesson* lesson_ = nullptr;
};

}  // namespace ui
