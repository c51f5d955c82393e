// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/teaching_window.hpp"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "core/tick.hpp"
#include "ui/common/context_menu_keys.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/demand_histogram.hpp"
#include "ui/teaching_window/draw_explanation.hpp"
#include "ui/teaching_window/experiments_page.hpp"
#include "ui/teaching_window/flow_layout.hpp"
#include "ui/teaching_window/frame_throttle.hpp"
#include "ui/teaching_window/picture_area.hpp"
#include "ui/teaching_window/run_data.hpp"
#include "ui/teaching_window/share_chart.hpp"
#include "ui/teaching_window/summary_line.hpp"
#include "ui/teaching_window/teaching_texts.hpp"
#include "ui/teaching_window/tick_pacer.hpp"
#include "ui/teaching_window/window_placement.hpp"

namespace ui {
namespace {

struct Speed {
    const char* text;
    int milliseconds;
};
constexpr Speed kSpeeds[] = {
    {"1 в секунда", core::kTickMilliseconds},
    {"10 в секунда", 100},
    {"100 в секунда", 10},
    {"1000 в секунда", 1},
};

const char* const kTeachingActionName = "ChartAction";

QPushButton* button(const QString& text, const char* name, const QString& description,
                    QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleDescription(description);
    made->setToolTip(description);
    // Enter and keypad Enter press the focused button, as Space does.
    made->setAutoDefault(true);
    return made;
}

// Twelve points at least, large from the back row; but no larger than leaves the screen
// kScreenLines lines of text, so that at a projector's doubled scale, or with a desktop's
// larger fonts, the pictures keep their room.
constexpr int kScreenLines = 20;
QFont windowFont(QFont font, const QScreen* screen) {
    font.setPointSizeF(std::max(font.pointSizeF(), 12.0));
    if (screen == nullptr) {
        return font;
    }
    const int most = screen->geometry().height() / kScreenLines;
    constexpr double kSmallest = 6;
    while (QFontMetrics(font).height() > most && font.pointSizeF() > kSmallest) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    return font;
}

// The window is short (a projector's doubled scale) below this many lines of its text: then
// what a lesson needs less often leaves the window for its context menu.
constexpr int kShortWindowLines = 30;

// Opens beside the form, moving the form aside where only that makes room, or in presentation
// mode where the screen is too small for both; see window_placement.hpp. True for the latter.
bool openBeside(QWidget& window, QWidget& form) {
    const QScreen* screen = form.screen();
    if (screen == nullptr) {
        return false;
    }
    const Placement placement = placeBeside(screen->availableGeometry(), form.frameGeometry(),
                                            window.sizeHint(), window.minimumSizeHint());
    if (placement.formTopLeft) {
        form.move(*placement.formTopLeft);
    }
    window.resize(placement.window.size());
    window.move(placement.window.topLeft());
    return placement.presenting;
}

}  // namespace

TeachingWindow::TeachingWindow(MainForm& form)
    : QWidget(&form, Qt::Window), form_(form), run_(form.runControl()) {
    installPictureAccessibility();
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QStringLiteral("Графика — Надпродажба и коефициент на запас"));
    // The program ends with its main window; this one never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(windowFont(font(), form.screen()));
    // The style marks the focus with a thin outline that a projector loses: a heavy dashed
    // frame in the text's colour, as in the main window, that keeps its width in every state
    // so nothing moves, and reads on a light or a dark scheme.
    setStyleSheet(QStringLiteral(
        "QPushButton { border: 2px solid palette(mid); border-radius: 3px; padding: 1px 10px;"
        " background-color: palette(button); outline: none; }"
        "QPushButton:pressed { background-color: palette(midlight); }"
        "QPushButton:checked { background-color: palette(highlight);"
        " color: palette(highlighted-text); }"
        "QPushButton:focus, QComboBox:focus, QLineEdit:focus"
        " { border: 2px dashed palette(window-text); }"
        "QComboBox, QLineEdit { border: 2px solid palette(mid); border-radius: 3px;"
        " padding: 2px 6px; }"));

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
    QFont readOut = font();
    readOut.setPointSizeF(font().pointSizeF() * 0.85);
    inputs_->setFont(readOut);
    inputs_->hide();
    layout->addWidget(inputs_);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(createPicture());
    // Made as the window's child, as the first page is, so that it takes the window's font.
    experiments_ = new ExperimentsPage(form_.model(), this);
    pages_->addWidget(experiments_);
    layout->addWidget(createControls());
    layout->addWidget(pages_, 1);
    connect(experiments_, &ExperimentsPage::seedChanged, this,
            [this](std::optional<std::uint32_t> seed) { form_.setSeed(seed); });
    explanation_ = new DrawExplanation(form_.model(), this);
    createActions();
    // Tab runs down the window: the run, the guess, the summary, the pictures, the data.
    std::vector<QWidget*> order{inputs_, runButton_, clearButton_, speed_,
                                pause_,  step_,      guess_,       experimentsButton_};
    for (QWidget* control : experiments_->controls()) {
        // A labelled box is reached at its box.
        order.push_back(control->focusProxy() != nullptr ? control->focusProxy() : control);
    }
    order.insert(order.end(),
                 {explain_, savePicture_, copyData_, saveData_, summary_, shareChart_, histogram_});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
    speed_->setFocus();

    frame_ = new QTimer(this);
    frame_->setSingleShot(true);
    frame_->setInterval(16);
    connect(frame_, &QTimer::timeout, this, &TeachingWindow::repaintPictures);
    describe_ = new QTimer(this);
    describe_->setSingleShot(true);
    connect(describe_, &QTimer::timeout, this, &TeachingWindow::describePictures);
    copied_ = new QTimer(this);
    copied_->setSingleShot(true);
    copied_->setInterval(2000);
    connect(copied_, &QTimer::timeout, this,
            [this] { copyData_->setText(QStringLiteral("Копирай данните")); });
    connect(&run_, &RunControl::changed, this, &TeachingWindow::runChanged);
    pacer_ = new TickPacer(run_, steadyMilliseconds, this);
    formThrottle_ = new FrameThrottle(form_);
    ownThrottle_ = new FrameThrottle(*this);
}

void TeachingWindow::setSpeed(int tickMilliseconds) {
    run_.setTickInterval(tickMilliseconds);
    // Faster than designed, ticks keep to the clock; faster than the screen, both windows are
    // painted at most every third frame.
    pacer_->setActive(tickMilliseconds < core::kTickMilliseconds);
    const bool fasterThanFrames = tickMilliseconds < frame_->interval();
    formThrottle_->setActive(fasterThanFrames);
    ownThrottle_->setActive(fasterThanFrames);
}

QWidget* TeachingWindow::createControls() {
    auto* bar = new QWidget(this);
    auto* flow = new FlowLayout(bar);
    flow->setSpacing(fontMetrics().height() / 4);

    // The main window's own buttons, for presentation mode, where the main window is hidden.
    runButton_ = button(QStringLiteral("Изведи"), "ChartRun",
                        QStringLiteral("Започва или продължава тегленията, като „Изведи“ в "
                                       "главния прозорец"),
                        bar);
    clearButton_ = button(QStringLiteral("Изчисти"), "ChartClear",
                          QStringLiteral("Спира и започва отначало, като „Изчисти“ в главния "
                                         "прозорец"),
                          bar);
    runButton_->hide();
    clearButton_->hide();
    connect(runButton_, &QPushButton::clicked, this, [this] {
        if (form_.model().runEnabled) {
            form_.Command1_Click(0);
        }
    });
    connect(clearButton_, &QPushButton::clicked, this, [this] { form_.Command1_Click(1); });

    speed_ = new QComboBox(bar);
    speed_->setObjectName(QStringLiteral("Speed"));
    speed_->setAccessibleName(QStringLiteral("Скорост"));
    speed_->setAccessibleDescription(QStringLiteral("Колко тегления в секунда прави симулацията"));
    speed_->setToolTip(speed_->accessibleDescription());
    for (const Speed& speed : kSpeeds) {
        speed_->addItem(QString::fromUtf8(speed.text), speed.milliseconds);
    }
    pause_ = button(QStringLiteral("Пауза"), "Pause",
                    QStringLiteral("Спира тегленията, без да нулира броячите (F5; F5 отново "
                                   "продължава)"),
                    bar);
    step_ = button(QStringLiteral("Една стъпка"), "Step",
                   QStringLiteral("Едно теглене, докато тегленията са спрени (F6)"), bar);

    guess_ = new QLineEdit(bar);
    guess_->setObjectName(QStringLiteral("ClassGuess"));
    guess_->setAccessibleName(QStringLiteral("Прогноза на класа, %"));
    guess_->setAccessibleDescription(
        QStringLiteral("Какъв дял от тегленията според класа ще претоварят системата, от 0 до "
                       "100; рисува се като линия в графиката на дела"));
    guess_->setToolTip(guess_->accessibleDescription());
    guess_->setMaxLength(8);
    guess_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00,00")) +
                          fontMetrics().height());
    experimentsButton_ = button(QStringLiteral("Експерименти"), "ExperimentsButton",
                                QStringLiteral("Много класове наведнъж и очакваният дял спрямо "
                                               "надпродажбата (F8; F8 отново връща графиките)"),
                                bar);
    experimentsButton_->setCheckable(true);
    explain_ = button(QStringLiteral("Как се тегли?"), "DrawExplanationButton",
                      QStringLiteral("Защо очакваният дял не е просто броят на търсенията над "
                                     "капацитета, разделен на броя на всички търсения"),
                      bar);

    savePicture_ =
        button(QStringLiteral("Запази като PNG…"), "SavePicture",
               QStringLiteral("Записва двете графики и обобщението като изображение"), bar);
    copyData_ = button(QStringLiteral("Копирай данните"), "CopyData",
                       QStringLiteral("Копира тегленията и търсенията като таблица с табулации, "
                                      "за електронна таблица"),
                       bar);
    // "Копирано" takes the button's place for a moment; the button keeps its width.
    copyData_->setMinimumWidth(copyData_->sizeHint().width());
    saveData_ = button(QStringLiteral("Запази данните…"), "SaveData",
                       QStringLiteral("Записва тегленията и търсенията във файл CSV за "
                                      "електронна таблица"),
                       bar);

    QWidget* const speedPair = labelledPair(QStringLiteral("Скорост:"), speed_, bar);
    QWidget* const guessPair = labelledPair(QStringLiteral("Прогноза на класа, %"), guess_, bar);
    runControls_ = {speedPair, pause_, step_, guessPair, explain_};
    // The experiments page's own controls follow its switch, shown with the page.
    std::vector<QWidget*> row{runButton_, clearButton_, speedPair,         pause_,
                              step_,      guessPair,    experimentsButton_};
    row.insert(row.end(), experiments_->controls().begin(), experiments_->controls().end());
    row.insert(row.end(), {explain_, savePicture_, copyData_, saveData_});
    for (QWidget* control : row) {
        flow->addWidget(control);
    }

    connect(pause_, &QPushButton::clicked, this, [this] {
        run_.pause();
        step_->setFocus();
    });
    connect(step_, &QPushButton::clicked, this, [this] { run_.tickNow(); });
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this] { setSpeed(speed_->currentData().toInt()); });
    connect(guess_, &QLineEdit::textChanged, this, [this](const QString& text) {
        view_.guess = guessFromText(text);
        shareChart_->setGuess(view_.guess);
        showSummary();
    });
    connect(explain_, &QPushButton::clicked, this, [this] {
        explanation_->refresh(view_.expectedShown);
        explanation_->show();
        explanation_->raise();
        explanation_->activateWindow();
    });
    connect(savePicture_, &QPushButton::clicked, this, &TeachingWindow::askAndSavePicture);
    connect(copyData_, &QPushButton::clicked, this, &TeachingWindow::copyData);
    connect(saveData_, &QPushButton::clicked, this, &TeachingWindow::askAndSaveData);
    return bar;
}

void TeachingWindow::createActions() {
    // Keys that work from anywhere in the window and mean the same on every keyboard layout; a
    // key never moves the focus. Each is in the context menu too.
    const auto windowAction = [this](const QString& text, const char* name,
                                     const QKeySequence& key) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    connect(windowAction(QStringLiteral("Пауза или продължаване"), "PauseOrResume",
                         QKeySequence(Qt::Key_F5)),
            &QAction::triggered, this, [this] {
                if (run_.isRunning()) {
                    run_.pause();
                } else {
                    run_.resume();
                }
            });
    connect(windowAction(QStringLiteral("Една стъпка"), "StepKey", QKeySequence(Qt::Key_F6)),
            &QAction::triggered, this, [this] {
                if (!run_.isRunning()) {
                    run_.tickNow();
                }
            });
    hideExpected_ = windowAction(QStringLiteral("Скрий очаквания дял"), "HideExpected",
                                 QKeySequence(Qt::Key_F7));
    hideExpected_->setCheckable(true);
    connect(hideExpected_, &QAction::toggled, this,
            [this](bool hidden) { setExpectedShown(!hidden); });
    presentation_ = windowAction(QStringLiteral("Представяне на цял екран"), "Presentation",
                                 QKeySequence(Qt::Key_F11));
    presentation_->setCheckable(true);
    connect(presentation_, &QAction::toggled, this, &TeachingWindow::setPresenting);
    showExperiments_ =
        windowAction(QStringLiteral("Експерименти"), "ShowExperiments", QKeySequence(Qt::Key_F8));
    showExperiments_->setCheckable(true);
    connect(showExperiments_, &QAction::toggled, this, &TeachingWindow::showExperiments);
    connect(experimentsButton_, &QPushButton::toggled, showExperiments_, &QAction::setChecked);

    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    const auto menuItem = [this](QPushButton* button) {
        auto* action = new QAction(button->text(), this);
        connect(action, &QAction::triggered, button, &QPushButton::click);
        addAction(action);
    };
    for (QPushButton* control : {explain_, savePicture_, copyData_, saveData_}) {
        menuItem(control);
    }
    // The earlier runs drawn faintly behind the current one, kept until forgotten.
    auto* forget = new QAction(QStringLiteral("Забрави предишните опити"), this);
    forget->setObjectName(QStringLiteral("ForgetRuns"));
    connect(forget, &QAction::triggered, this, [this] { form_.forgetPastRuns(); });
    addAction(forget);
    // The main window's own items (the About box), all but the one that opens this window.
    auto* formSeparator = new QAction(this);
    formSeparator->setSeparator(true);
    addAction(formSeparator);
    for (QAction* action : form_.actions()) {
        if (action->objectName() != QLatin1String(kTeachingActionName)) {
            addAction(action);
        }
    }
    auto* close = new QAction(QStringLiteral("Затвори"), this);
    close->setShortcut(QKeySequence(Qt::Key_Escape));
    // Escape itself is handled by keyPressEvent, which lets an open list take it first.
    close->setShortcutContext(Qt::WidgetShortcut);
    connect(close, &QAction::triggered, this, &QWidget::close);
    addAction(close);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    installContextMenuKeys(*this);
}

QWidget* TeachingWindow::createPicture() {
    picture_ = new QWidget(this);
    auto* layout = new QVBoxLayout(picture_);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(fontMetrics().height() / 4);
    summary_ = new SummaryLine(picture_);
    summary_->setObjectName(QStringLiteral("ChartSummary"));
    shareChart_ = new ShareChart(form_.model(), picture_);
    histogram_ = new DemandHistogram(form_.model(), picture_);
    // A little smaller than the controls' text: still large from the back row, and it leaves
    // the plots their room on a projector's doubled scale.
    QFont pictureFont = font();
    pictureFont.setPointSizeF(font().pointSizeF() * 0.85);
    shareChart_->setFont(pictureFont);
    histogram_->setFont(pictureFont);
    pictures_ = new PictureArea(shareChart_, histogram_, picture_);
    layout->addWidget(new SummaryHolder(summary_, picture_));
    layout->addWidget(pictures_, 1);
    return picture_;
}

void TeachingWindow::showExperiments(bool shown) {
    const QSignalBlocker quiet(experimentsButton_);
    experimentsButton_->setChecked(shown);
    pages_->setCurrentIndex(shown ? 1 : 0);
    fitControls();
}

void TeachingWindow::setExpectedShown(bool shown) {
    view_.expectedShown = shown;
    experiments_->setExpectedShown(shown);
    shareChart_->setExpectedShown(shown);
    form_.setExpectedShareShown(shown);
    explanation_->refresh(shown);
    showSummary();
    describePictures();
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
        fitControls();
    }
}

void TeachingWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    fitControls();
}

void TeachingWindow::fitControls() {
    const bool presenting = isFullScreen();
    const bool tall = height() >= kShortWindowLines * fontMetrics().height();
    inputs_->setVisible(presenting);
    runButton_->setVisible(presenting);
    clearButton_->setVisible(presenting);
    for (QPushButton* data : {savePicture_, copyData_, saveData_}) {
        data->setVisible(tall && !presenting);
    }
    // The experiments run on their own: the first page's controls leave room for them.
    const bool experiments = pages_->currentIndex() == 1;
    for (QWidget* control : runControls_) {
        control->setVisible(!experiments);
    }
    for (QWidget* control : experiments_->controls()) {
        control->setVisible(experiments);
    }
    explain_->setVisible(!presenting && !experiments);
    experimentsButton_->setVisible(!presenting);
    // A short window keeps the summary at the text's size, so the pictures keep their room.
    QFont summaryFont = font();
    summaryFont.setPointSizeF(font().pointSizeF() * (tall ? 1.25 : 1.0));
    summaryFont.setBold(true);
    if (summary_->font() != summaryFont) {
        summary_->setFont(summaryFont);
    }
}

void TeachingWindow::runChanged() {
    if (!isVisible()) {
        return;
    }
    showSummary();
    const bool running = run_.isRunning();
    pause_->setEnabled(running);
    step_->setEnabled(!running);
    runButton_->setEnabled(form_.model().runEnabled && !running);
    runButton_->setText(form_.model().TickCount.value_or(0) > 0 ? QStringLiteral("Продължи")
                                                                : QStringLiteral("Изведи"));
    if (!frame_->isActive()) {
        frame_->start();
    }
}

void TeachingWindow::showSummary() {
    // The summary follows every change at once; the pictures wait for the next frame. The form
    // says it changed several times within a tick; the text is made when the numbers differ.
    const SummaryNumbers numbers = summaryNumbers(form_.model(), view_);
    if (numbers != summaryShown_) {
        summary_->setText(summaryText(form_.model(), view_));
        summaryShown_ = numbers;
        const QString inputs = inputsText(form_.model());
        if (inputs_->text() != inputs) {
            inputs_->setText(inputs);
            experiments_->inputsChanged();
            if (explanation_->isVisible()) {
                explanation_->refresh(view_.expectedShown);
            }
        }
    }
}

void TeachingWindow::describePictures() {
    describe_->stop();
    shareChart_->setAccessibleDescription(shareChart_->description());
    histogram_->setAccessibleDescription(histogram_->description());
    described_.start();
}

void TeachingWindow::repaintPictures() {
    // An assistive tool hears of every new description: twice a second is enough while the
    // run goes on, and a stopped run is described at once.
    constexpr qint64 kDescriptionMilliseconds = 500;
    if (!run_.isRunning() || !described_.isValid() ||
        described_.elapsed() >= kDescriptionMilliseconds) {
        describePictures();
    } else if (!describe_->isActive()) {
        describe_->start(static_cast<int>(kDescriptionMilliseconds - described_.elapsed()));
    }
    shareChart_->update();
    histogram_->update();
}

void TeachingWindow::showEvent(QShowEvent* event) {
    // One repaint a frame of the screen it is on, 60 a second where the screen does not say.
    const double rate = screen() != nullptr ? screen()->refreshRate() : 60;
    frame_->setInterval(static_cast<int>(std::ceil(1000 / (rate > 0 ? rate : 60))));
    // Faster than the screen, every third frame (20 a second) still moves smoothly enough for
    // a chart and leaves the program under a quarter of a core at 1000 ticks a second.
    formThrottle_->setFrameMilliseconds(3 * frame_->interval());
    ownThrottle_->setFrameMilliseconds(3 * frame_->interval());
    QWidget::showEvent(event);
    frame_->stop();
    summaryShown_.reset();
    runChanged();
    described_.invalidate();
    repaintPictures();
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
    // Nothing is kept: the next opening starts at the designed speed, as the run goes on now,
    // and shows the expected share again.
    speed_->setCurrentIndex(0);
    setSpeed(core::kTickMilliseconds);
    hideExpected_->setChecked(false);
    presentation_->setChecked(false);
    explanation_->hide();
    frame_->stop();
    event->accept();
}

QImage TeachingWindow::pictureImage() const {
    const QString caption =
        QStringLiteral("%1; тегления: %2")
            .arg(
                inputsText(form_.model()),
                countText(static_cast<double>(form_.model().TickCount.value_or(0)), form_.model()));
    const QFontMetrics metrics(font());
    const int line = metrics.height();
    const QRect captionRect = metrics.boundingRect(
        QRect(line / 2, line / 4, pages_->width() - line, 10 * line), Qt::TextWordWrap, caption);
    const int top = captionRect.bottom() + line / 2;
    // Twice the screen's density, so that a slide or a printout stays sharp.
    const qreal ratio = 2 * devicePixelRatioF();
    QImage image(QSize(pages_->width(), top + pages_->height()) * ratio,
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(palette().color(QPalette::Window));
    QPainter painter(&image);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(line / 2, line / 4, pages_->width() - line, 10 * line), Qt::TextWordWrap,
                     caption);
    pages_->currentWidget()->render(&painter, QPoint(0, top));
    return image;
}

bool TeachingWindow::savePicture(const QString& path) const {
    return pictureImage().save(path, "PNG");
}

QString TeachingWindow::dataText() const {
    return pages_->currentIndex() == 1 ? experiments_->dataText(DataFormat::Clipboard)
                                       : runData(form_.model(), DataFormat::Clipboard);
}

bool TeachingWindow::saveData(const QString& path) const {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    const QByteArray bytes = (pages_->currentIndex() == 1 ? experiments_->dataText(DataFormat::Csv)
                                                          : runData(form_.model(), DataFormat::Csv))
                                 .toUtf8();
    return file.write(bytes) == bytes.size() && file.flush();
}

void TeachingWindow::copyData() {
    QGuiApplication::clipboard()->setText(dataText());
    copyData_->setText(QStringLiteral("Копирано"));
    copied_->start();
    // Heard as well as seen: an assistive tool announces the button's new name.
    QAccessibleEvent changed(copyData_, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

namespace {

// Asks where to save, starting in `folder` with `name`, and adds the extension where the
// user left it out; empty when the user cancelled.
QString askSavePath(QWidget* parent, const QString& title, QStandardPaths::StandardLocation folder,
                    const QString& name, const QString& filter, const QString& extension) {
    const QString start = QDir(QStandardPaths::writableLocation(folder)).filePath(name);
    QString path = QFileDialog::getSaveFileName(parent, title, start, filter);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive)) {
        path += extension;
    }
    return path;
}

void warnNotWritten(QWidget* parent, const QString& title, const QString& path) {
    QMessageBox::warning(
        parent, title,
        QStringLiteral("Файлът „%1“ не можа да бъде записан.").arg(QDir::toNativeSeparators(path)));
}

}  // namespace

void TeachingWindow::askAndSavePicture() {
    const QString title = QStringLiteral("Запази като PNG");
    const QString path =
        askSavePath(this, title, QStandardPaths::PicturesLocation, QStringLiteral("графика.png"),
                    QStringLiteral("Изображение PNG (*.png)"), QStringLiteral(".png"));
    if (!path.isEmpty() && !savePicture(path)) {
        warnNotWritten(this, title, path);
    }
}

void TeachingWindow::askAndSaveData() {
    const QString title = QStringLiteral("Запази данните");
    const QString path =
        askSavePath(this, title, QStandardPaths::DocumentsLocation, QStringLiteral("тегления.csv"),
                    QStringLiteral("Таблица CSV (*.csv)"), QStringLiteral(".csv"));
    if (!path.isEmpty() && !saveData(path)) {
        warnNotWritten(this, title, path);
    }
}

QAction* makeTeachingWindowAction(MainForm& form) {
    auto* action = new QAction(QStringLiteral("Графика…"), &form);
    action->setObjectName(QLatin1String(kTeachingActionName));
    action->setShortcut(QKeySequence(Qt::Key_F2));
    QObject::connect(action, &QAction::triggered, &form, [&form] { openTeachingWindow(form); });
    return action;
}

TeachingWindow* openTeachingWindow(MainForm& form) {
    auto* window = form.findChild<TeachingWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new TeachingWindow(form);
        if (openBeside(*window, form)) {
            window->setPresenting(true);
        }
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace ui
