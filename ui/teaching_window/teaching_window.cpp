// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/teaching_window.hpp"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "core/tick.hpp"
#include "ui/common/context_menu_keys.hpp"
#include "ui/common/frame_throttle.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/main_window/run_control.hpp"
#include "ui/teaching_window/experiments/experiments_page.hpp"
#include "ui/teaching_window/export/save_dialogs.hpp"
#include "ui/teaching_window/layout/flow_layout.hpp"
#include "ui/teaching_window/layout/projector_style.hpp"
#include "ui/teaching_window/layout/shown_controls.hpp"
#include "ui/teaching_window/layout/summary_line.hpp"
#include "ui/teaching_window/pacing/picture_refresh.hpp"
#include "ui/teaching_window/pacing/speeds.hpp"
#include "ui/teaching_window/pacing/tick_pacer.hpp"
#include "ui/teaching_window/pacing/typing_hold.hpp"
#include "ui/teaching_window/pictures/picture.hpp"
#include "ui/teaching_window/pictures/picture_area.hpp"
#include "ui/teaching_window/run_page/demand_histogram.hpp"
#include "ui/teaching_window/run_page/draw_explanation.hpp"
#include "ui/teaching_window/run_page/share_chart.hpp"

namespace ui {
namespace {

constexpr int kRunPage = 0;
constexpr int kExperimentsPage = 1;

}  // namespace

TeachingWindow::TeachingWindow(const core::Model& model, RunControl& run, Lesson& lesson,
                               const QList<QAction*>& sharedActions, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), run_(run), lesson_(lesson) {
    installPictureAccessibility();
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QStringLiteral("Графика — Надпродажба и коефициент на запас"));
    // The program ends with its main window; this one never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(projectorFont(font(), parent != nullptr ? parent->screen() : screen()));
    setStyleSheet(projectorStyleSheet());

    auto* layout = new QVBoxLayout(this);
    const int margin = fontMetrics().height() / 4;
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->setSpacing(margin);
    inputs_ = new QLabel(this);
    inputs_->setObjectName(QStringLiteral("ChartInputs"));
    inputs_->setAccessibleName(QStringLiteral("Случай и стойности"));
    inputs_->setFocusPolicy(Qt::StrongFocus);
    inputs_->setWordWrap(true);
    // The pictures' size: one line at a projector's doubled scale, which leaves them room.
    inputs_->setFont(pictureFont(font()));
    inputs_->hide();
    layout->addWidget(inputs_);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(createRunPage());
    // Made as the window's child, as the first page is, so that it takes the window's font.
    experiments_ = new ExperimentsPage(model_, lesson_, this);
    pages_->addWidget(experiments_);
    layout->addWidget(createControls());
    layout->addWidget(pages_, 1);
    explanation_ = new DrawExplanation(model_, this);
    createActions(sharedActions);
    setTabOrder();
    speed_->setFocus();

    copiedNote_ = new QLabel(QStringLiteral("Копирано"), this);
    copiedNote_->setObjectName(QStringLiteral("CopiedNote"));
    copiedNote_->setFrameShape(QFrame::Box);
    copiedNote_->setMargin(margin);
    copiedNote_->setAutoFillBackground(true);
    copiedNote_->setBackgroundRole(QPalette::ToolTipBase);
    copiedNote_->setForegroundRole(QPalette::ToolTipText);
    copiedNote_->hide();
    copied_ = new QTimer(this);
    copied_->setSingleShot(true);
    copied_->setInterval(2000);
    connect(copied_, &QTimer::timeout, this, [this] {
        copyData_->setText(QStringLiteral("Копирай данните"));
        copiedNote_->hide();
    });
    refresh_ = new PictureRefresh(
        run_,
        [this] {
            shareChart_->update();
            histogram_->update();
        },
        [this] { describePictures(); }, this);
    connect(&run_, &RunControl::changed, this, &TeachingWindow::runChanged);
    pacer_ = new TickPacer(run_, steadyMilliseconds, this);
    new TypingHold(run_, this);
    throttle_ = new FrameThrottle(*this);
    connect(&lesson_, &Lesson::changed, this, &TeachingWindow::showLesson);
    showLesson(LessonState{});
}

void TeachingWindow::showLesson(const LessonState& before) {
    const LessonState& now = lesson_.state();
    {
        const QSignalBlocker quietAction(hideExpected_);
        const QSignalBlocker quietPage(showExperiments_);
        const QSignalBlocker quietButton(experimentsButton_);
        const QSignalBlocker quietSpeed(speed_);
        hideExpected_->setChecked(!now.expectedShown);
        const bool experiments = now.page == LessonPage::Experiments;
        showExperiments_->setChecked(experiments);
        experimentsButton_->setChecked(experiments);
        pages_->setCurrentIndex(experiments ? kExperimentsPage : kRunPage);
        speed_->setCurrentIndex(std::max(0, speed_->findData(now.tickMilliseconds)));
    }
    if (guessFromText(guess_->text()) != now.guess) {
        guess_->setText(now.guess ? plainNumber(*now.guess, NumberFormat::of(model_)) : QString());
    }
    if (now.expectedShown != before.expectedShown) {
        explanation_->refresh(now.expectedShown);
        describePictures();
    }
    if (now.tickMilliseconds != before.tickMilliseconds && isVisible()) {
        applySpeed();
    }
    showSummary();
    fitControls();
}

void TeachingWindow::applySpeed() {
    const int milliseconds = lesson_.state().tickMilliseconds;
    run_.setTickInterval(milliseconds);
    // Faster than designed, ticks keep to the clock; faster than the screen, both windows
    // are painted at most once every few frames.
    pacer_->setActive(milliseconds < core::kTickMilliseconds);
    throttle_->followTicks(milliseconds);
}

void TeachingWindow::setPresenting(bool presenting) {
    if (presenting == isFullScreen()) {
        fitControls();
        return;
    }
    if (presenting) {
        statesBeforePresenting_ = windowState();
        setWindowState((windowState() & ~Qt::WindowMinimized) | Qt::WindowFullScreen);
    } else {
        setWindowState(statesBeforePresenting_ & ~Qt::WindowFullScreen);
    }
    show();
    fitControls();
}

void TeachingWindow::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        // The window manager may leave full screen on its own; the mode follows it.
        const QSignalBlocker quiet(presentation_);
        presentation_->setChecked(isFullScreen());
        // The menu names Escape by the item it does: presenting, it only leaves presentation.
        close_->setShortcut(isFullScreen() ? QKeySequence() : QKeySequence(Qt::Key_Escape));
        fitControls();
    }
}

void TeachingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitControls();
}

void TeachingWindow::fitControls() {
    const ShownControls shown = shownControls({
        .presenting = isFullScreen(),
        .tall = height() >= kShortWindowLines * fontMetrics().height(),
        .experimentsPage = pages_->currentIndex() == kExperimentsPage,
    });
    inputs_->setVisible(shown.inputsAndRunButtons);
    runButton_->setVisible(shown.inputsAndRunButtons);
    clearButton_->setVisible(shown.inputsAndRunButtons);
    for (QPushButton* button : {savePicture_, copyData_, saveData_}) {
        button->setVisible(shown.dataButtons);
    }
    for (QWidget* control : runPageControls_) {
        control->setVisible(shown.runPageControls);
    }
    for (QWidget* control : experiments_->controls()) {
        control->setVisible(shown.experimentsControls);
    }
    explain_->setVisible(shown.drawExplanation);
    experimentsButton_->setVisible(shown.experimentsAndMenuButtons);
    menuButton_->setVisible(shown.experimentsAndMenuButtons);
    QFont summaryFont = font();
    summaryFont.setPointSizeF(font().pointSizeF() * (shown.largeSummary ? 1.25 : 1.0));
    summaryFont.setBold(true);
    if (summary_->font() != summaryFont) {
        summary_->setFont(summaryFont);
    }
}

void TeachingWindow::runChanged() {
    // Nothing is measured or laid out for a window no one can see; it catches up on showing.
    if (!isVisible() || isMinimized()) {
        return;
    }
    showSummary();
    const bool running = run_.isRunning();
    pause_->setEnabled(running);
    histogram_->setLatestMarked(!running ||
                                lesson_.state().tickMilliseconds >= core::kTickMilliseconds);
    step_->setEnabled(!running);
    // "Изведи" is disabled once pressed: the focus goes to what stops the run, never on to
    // "Изчисти", where the next Enter would wipe it.
    if (running && runButton_->hasFocus()) {
        (pause_->isVisible() ? static_cast<QWidget*>(pause_) : inputs_)->setFocus();
    }
    runButton_->setEnabled(model_.runEnabled && !running);
    runButton_->setText(model_.TickCount.value_or(0) > 0 ? QStringLiteral("Продължи")
                                                         : QStringLiteral("Изведи"));
    refresh_->request();
}

void TeachingWindow::showSummary() {
    // The summary follows every change at once; the pictures wait for the next frame. The run
    // says it changed several times within a tick; the text is made when the numbers differ.
    // The inputs first: a change that leaves the numbers as they were (9999 at 10 % and at
    // 1 % expect the same share) still changes the note, the curve and the classes.
    const QString inputs = inputsText(model_);
    if (inputs_->text() != inputs) {
        inputs_->setText(inputs);
        experiments_->inputsChanged();
        if (explanation_->isVisible()) {
            explanation_->refresh(lesson_.state().expectedShown);
        }
    }
    const SummaryView view{lesson_.state().expectedShown, lesson_.state().guess};
    const SummaryNumbers numbers = summaryNumbers(model_, view);
    if (numbers == summaryShown_) {
        return;
    }
    summary_->setText(summaryText(model_, view));
    summaryShown_ = numbers;
}

void TeachingWindow::describePictures() {
    shareChart_->setAccessibleDescription(shareChart_->description());
    histogram_->setAccessibleDescription(histogram_->description());
}

void TeachingWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    applySpeed();
    // Also when the window comes back from minimised, in which time it showed nothing.
    summaryShown_.reset();
    runChanged();
    refresh_->now();
}

void TeachingWindow::keyPressEvent(QKeyEvent* event) {
    // Escape leaves presentation mode, else closes the window, as it closes a dialog; the run
    // goes on in the main window. A control that uses Escape itself, such as an open list,
    // takes it first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        if (isFullScreen()) {
            presentation_->setChecked(false);
        } else {
            close();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void TeachingWindow::closeEvent(QCloseEvent* event) {
    // The lesson stays as it is for the next opening; only the run, with no one watching it
    // here, goes back to the designed speed and its own pace.
    run_.setTickInterval(core::kTickMilliseconds);
    pacer_->setActive(false);
    throttle_->setActive(false);
    presentation_->setChecked(false);
    explanation_->hide();
    refresh_->stop();
    event->accept();
}

QImage TeachingWindow::pictureImage() const {
    const QString caption =
        QStringLiteral("%1; тегления: %2")
            .arg(inputsText(model_), countText(static_cast<double>(model_.TickCount.value_or(0)),
                                               NumberFormat::of(model_)));
    return captionedImage(*pages_->currentWidget(), caption);
}

QString TeachingWindow::dataText(DataFormat format) const {
    return pages_->currentIndex() == kExperimentsPage
               ? experiments_->dataText(format)
               : runData(model_, lesson_.state().expectedShown, format);
}

void TeachingWindow::copyData() {
    QGuiApplication::clipboard()->setText(dataText(DataFormat::Clipboard));
    copyData_->setText(copiedNote_->text());
    copied_->start();
    // Heard as well as seen: an assistive tool announces the button's new name.
    QAccessibleEvent changed(copyData_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
    // Copied from a menu with the button out of sight, the word shows for a moment at the
    // foot of the window instead, over the pictures' margin rather than the summary.
    if (!copyData_->isVisible()) {
        copiedNote_->adjustSize();
        copiedNote_->move((width() - copiedNote_->width()) / 2,
                          height() - copiedNote_->height() - layout()->contentsMargins().bottom());
        copiedNote_->raise();
        copiedNote_->show();
    }
}

}  // namespace ui
