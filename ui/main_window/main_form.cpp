// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include "ui/main_window/main_form.hpp"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <algorithm>

#include "core/check_inputs.hpp"
#include "core/expected_share.hpp"
#include "core/reset.hpp"
#include "ui/accessibility/accessible_text_box.hpp"
#include "ui/common/frame_throttle.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/main_window/control_factory.hpp"
#include "ui/main_window/control_table.hpp"
#include "ui/main_window/form_texts.hpp"
#include "ui/main_window/multi_line_view.hpp"
#include "ui/main_window/option_button.hpp"
#include "ui/main_window/program_icon.hpp"

namespace ui {

// The form's side of RunControl: it reaches the form's private timer and handlers, so that
// nothing else has to.
class MainForm::Run final : public RunControl {
  public:
    explicit Run(MainForm& form) : RunControl(&form), form_(form) {}

    void tickNow() override {
        if (form_.stopMessageOpen()) {
            return;
        }
        if (form_.model_.timerEnabled) {
            form_.Timer1_Timer();
            return;
        }
        // Timer1_Timer takes a tick only from an enabled timer, and may stop it for good itself.
        form_.model_.timerEnabled = true;
        form_.stepping_ = true;
        form_.Timer1_Timer();
        form_.stepping_ = false;
        form_.model_.timerEnabled = false;
        form_.syncTimer();
    }

    void pause() override {
        form_.model_.timerEnabled = false;
        form_.syncTimer();
    }

    void resume() override {
        if (form_.model_.runEnabled) {
            form_.Command1_Click(0);
        }
    }

    void startAgain() override {
        // Written back in the order the reset writes them, each through its box's handler.
        const std::array inputs{core::Text2(0), core::Text2(1), core::Text1(2)};
        std::array<std::string, inputs.size()> kept;
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            kept.at(i) = form_.model_.text(inputs.at(i));
        }
        form_.Command1_Click(1);
        for (std::size_t i = 0; i < inputs.size(); ++i) {
            form_.model_.setText(inputs.at(i), kept.at(i));
        }
    }

    void forgetPastRuns() override {
        form_.model_.statistics.forgetPastRuns();
        emit changed();
    }

    void holdTicks(bool held) override { form_.ticksHeld_ = held; }

    void setTickInterval(int milliseconds) override {
        tickMilliseconds_ = milliseconds;
        // A wake-up for every tick faster than the screen shows frames would cost the kernel
        // more than the ticks cost us: the timer wakes as often as the windows are repainted
        // and the pacing adds the rest, by the clock, so the coarse timer's lateness is made
        // up too.
        form_.timer_->setInterval(milliseconds < screenFrameMilliseconds(form_)
                                      ? fastRepaintMilliseconds(form_)
                                      : milliseconds);
        form_.throttle_->followTicks(milliseconds);
    }

    [[nodiscard]] int tickInterval() const override { return tickMilliseconds_; }
    [[nodiscard]] bool isRunning() const override { return form_.timer_->isActive(); }

    // The form's own change paths say so through here, the door's one sender; within an
    // interval once, at its end.
    void announceChange() {
        if (form_.gathering_) {
            changedInInterval_ = true;
        } else {
            emit changed();
        }
    }
    void announceGathered() {
        if (changedInInterval_) {
            changedInInterval_ = false;
            emit changed();
        }
    }
    void announceIntervalElapsed() { emit intervalElapsed(); }
    void announceInputsEdited() { emit inputsEdited(); }

  private:
    MainForm& form_;
    int tickMilliseconds_ = core::kTickMilliseconds;
    bool changedInInterval_ = false;
};

namespace {

QString indexedName(const char* array, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

}  // namespace

MainForm::MainForm(std::unique_ptr<runtime::RandomSource> random, QWidget* parent)
    : QWidget(parent),
      model_(QLocale::system().decimalPoint().toStdString()),
      random_(std::move(random)) {
    // Before any control exists, so that none gets the interface Qt would give it.
    installAccessibleInterfaces();
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(toQString(kCaption));
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(pixelsFromTwips(kClientWidthTwips), pixelsFromTwips(kClientHeightTwips));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor(kFormBackColour));
    setPalette(palette);
    setFont(QFont(QStringLiteral("Times New Roman"), 12));

    // The design-time texts are there before any change notification is wired.
    model_.setText(core::Text1(0), std::string(kHelpText));
    model_.setText(core::Text1(1), std::string(kSaying));
    timer_ = new QTimer(this);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(core::kTickMilliseconds);
    run_ = new Run(*this);
    throttle_ = new FrameThrottle(*this);
    connect(timer_, &QTimer::timeout, this, [this] {
        if (ticksHeld_) {
            return;
        }
        // The interval's own tick and those the pacing adds to it are shown together.
        gathering_ = true;
        Timer1_Timer();
        run_->announceIntervalElapsed();
        gathering_ = false;
        showGathered();
    });
    connect(run_, &RunControl::changed, this, &MainForm::showExpectedShareToolTip);
    createControls();
    connectControls();
    showText(core::Text1(0));
    showText(core::Text1(1));
    // The log comes first in the tab order: a pupil starts by reading it.
    text1_.at(0)->setFocus();

    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    Form_Load();
}

MainForm::~MainForm() {
    // The log views read the model, which goes before the boxes that hold them; nothing is
    // shown any more once the form is going.
    model_.setChangeListener({});
    for (MultiLineView*& view : multiLineViews_) {
        delete view;
        view = nullptr;
    }
}

void MainForm::createControls() {
    for (const ControlDesign& design : controlTable()) {
        createControl(design, this);
    }
    for (int i = 0; i < 3; ++i) {
        text1_.at(i) = findChild<QWidget*>(indexedName("Text1", i));
        text2_.at(i) = findChild<QWidget*>(indexedName("Text2", i));
    }
    for (int i = 0; i < 2; ++i) {
        multiLineViews_.at(i) =
            new MultiLineView(qobject_cast<QPlainTextEdit*>(text1_.at(i)), model_, core::Text1(i));
    }
    for (const ControlDesign& design : controlTable()) {
        if (!design.buddy.empty()) {
            findChild<QLabel*>(toQString(design.name))
                ->setBuddy(findChild<QWidget*>(toQString(design.buddy)));
        }
    }
    QWidget* previous = nullptr;
    for (const std::string_view name : tabOrder()) {
        auto* control = findChild<QWidget*>(toQString(name));
        if (previous != nullptr) {
            setTabOrder(previous, control);
        }
        previous = control;
    }
}

void MainForm::connectControls() {
    for (int i = 0; i < 2; ++i) {
        auto* button = findChild<QPushButton*>(indexedName("Command1", i));
        connect(button, &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    // Selected at start by design, before any choice is heard: Situation stays unset.
    findChild<OptionButton*>(indexedName("Option1", 0))->setChecked(true);
    for (int i = 0; i < 2; ++i) {
        auto* option = findChild<OptionButton*>(indexedName("Option1", i));
        connect(option, &OptionButton::chosen, this, [this, i] { Option1_Click(i); });
    }
    runButton_ = findChild<QPushButton*>(indexedName("Command1", 0));

    for (int i = 0; i < 3; ++i) {
        connectTextBox(core::Text1(i));
        connectTextBox(core::Text2(i));
    }
    model_.setChangeListener([this](core::TextField field) {
        if (!gathering_) {
            showText(field);
        } else if (std::find(unshown_.begin(), unshown_.end(), field) == unshown_.end()) {
            unshown_.push_back(field);
        }
        if (field.array == core::TextArray::Text1) {
            Text1_Change(field.index);
        } else {
            Text2_Change(field.index);
        }
        run_->announceChange();
    });
}

void MainForm::connectTextBox(core::TextField field) {
    auto* line = qobject_cast<QLineEdit*>(
        (field.array == core::TextArray::Text1 ? text1_ : text2_).at(field.index));
    if (line == nullptr) {
        return;
    }
    connect(line, &QLineEdit::textChanged, this, [this, line, field](const QString& text) {
        std::string value = text.toStdString();
        // The model's own write, shown in the box, is not a second write.
        if (value == model_.text(field)) {
            return;
        }
        if (line->isReadOnly()) {
            showText(field);
        } else {
            model_.setText(field, std::move(value));
            run_->announceInputsEdited();
        }
    });
}

void MainForm::showText(core::TextField field) {
    if (field.array == core::TextArray::Text1 && field.index < 2) {
        multiLineViews_.at(field.index)->show();
        return;
    }
    auto* line = qobject_cast<QLineEdit*>(
        (field.array == core::TextArray::Text1 ? text1_ : text2_).at(field.index));
    const QString shown = toQString(model_.text(field));
    // An equal text is the user's own typing coming back: the cursor stays where it is.
    if (line->text() != shown) {
        line->setText(shown);
        // A written text reads from its start; a long percentage is cut at the right edge.
        line->setCursorPosition(0);
    }
}

void MainForm::showGathered() {
    for (const core::TextField field : unshown_) {
        showText(field);
    }
    unshown_.clear();
    run_->announceGathered();
}

void MainForm::syncRunButton() {
    runButton_->setEnabled(model_.runEnabled);
}

void MainForm::syncTimer() {
    // Starting an active QTimer restarts it: a second Run must keep the tick's phase.
    if (model_.timerEnabled && !timer_->isActive() && !stepping_) {
        timer_->start();
    } else if (!model_.timerEnabled && timer_->isActive()) {
        timer_->stop();
    }
    run_->announceChange();
}

void MainForm::Form_Load() {
    core::ResetSimulation(model_);
    random_->reseedFromClock();
    syncTimer();
}

void MainForm::Command1_Click(int index) {
    if (index == 0) {
        model_.timerEnabled = true;
    } else if (index == 1) {
        startOver();
    }
    syncTimer();
}

void MainForm::Option1_Click(int index) {
    model_.Situation = static_cast<std::int16_t>(index);
    startOver();
    syncTimer();
}

void MainForm::startOver() {
    core::ResetSimulation(model_);
    // A lesson's seed makes every start over draw the same demands again.
    if (lesson_ != nullptr && lesson_->state().seed) {
        random_->reseed(*lesson_->state().seed);
    }
    model_.setText(core::Text1(0), "");
}

RunControl& MainForm::runControl() const {
    return *run_;
}

void MainForm::followLesson(const Lesson& lesson) {
    lesson_ = &lesson;
    connect(&lesson, &Lesson::changed, this, [this](const LessonState& before) {
        if (before.expectedShown != lesson_->state().expectedShown) {
            showExpectedShareToolTip();
        }
    });
    showExpectedShareToolTip();
}

void MainForm::Text1_Change(int /*index*/) {
    core::CheckInputs(model_);
    syncRunButton();
}

void MainForm::Text2_Change(int /*index*/) {
    core::CheckInputs(model_);
    syncRunButton();
}

void MainForm::Timer1_Timer() {
    // A timeout delivered after the run was stopped is not a tick.
    if (!model_.timerEnabled) {
        return;
    }
    const auto stop = core::Timer1_Timer(model_, *random_);
    syncTimer();
    if (stop) {
        showStopMessage(*stop);
    }
}

bool MainForm::stopMessageOpen() const {
    return stopMessage_ != nullptr && stopMessage_->isVisible();
}

void MainForm::showExpectedShareToolTip() {
    if (lesson_ != nullptr && !lesson_->state().expectedShown) {
        // Nothing tells the class the answer before it has guessed.
        if (toolTipShare_) {
            text2_.at(2)->setToolTip(QString());
            toolTipShare_.reset();
        }
        return;
    }
    // Written when the expected share changes, not on every tick.
    const auto expected = core::expectedSharePercent(model_);
    if (toolTipShare_ != expected) {
        text2_.at(2)->setToolTip(QStringLiteral("Очакван дял при тези стойности: ") +
                                 percentOrNone(expected, NumberFormat::of(model_)));
        toolTipShare_ = expected;
    }
}

void MainForm::showStopMessage(core::StopReason reason) {
    // Not modal: the window stays usable and closable, and Clear starts over. A later stop
    // reuses a message still open rather than stacking another.
    if (!stopMessageOpen()) {
        // Over whichever of the program's windows is in front, a full-screen presentation
        // included, and kept above both when the other comes forward.
        QWidget* front = QApplication::activeWindow();
        stopMessage_ = new QMessageBox(QMessageBox::Warning, toQString(kTitle), QString(),
                                       QMessageBox::Ok, front != nullptr ? front : this);
        stopMessage_->setObjectName(QStringLiteral("StopMessage"));
        stopMessage_->setAttribute(Qt::WA_DeleteOnClose);
        stopMessage_->setWindowModality(Qt::NonModal);
        stopMessage_->setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    stopMessage_->setText(toQString(core::stopMessage(reason)));
    // Someone typing into an input when the run stops keeps the keys: the message shows
    // beside them, announced to assistive tools as an alert, and does not take the focus
    // that would swallow the next keys and dismiss it unseen.
    const auto* editing = qobject_cast<const QLineEdit*>(QApplication::focusWidget());
    const bool typing = editing != nullptr && !editing->isReadOnly() && isAncestorOf(editing);
    stopMessage_->setAttribute(Qt::WA_ShowWithoutActivating, typing);
    stopMessage_->show();
    stopMessage_->raise();
    if (!typing) {
        stopMessage_->activateWindow();
    }
}

}  // namespace ui
