// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/teaching_window/teaching_window.hpp"

#include <QAction>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>
#include <cmath>
#include <memory>

#include "core/expected_share.hpp"
#include "core/measured_share.hpp"
#include "core/tick.hpp"
#include "ui/common/number_texts.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/demand_histogram.hpp"
#include "ui/teaching_window/frame_throttle.hpp"
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

QPushButton* button(const QString& text, const char* name, const QString& description,
                    QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QLatin1String(name));
    made->setAccessibleDescription(description);
    // Enter and keypad Enter press the focused button, as Space does.
    made->setAutoDefault(true);
    return made;
}

// Opens beside the form, moving the form aside where only that makes room; see
// window_placement.hpp.
void openBeside(QWidget& window, QWidget& form) {
    const QScreen* screen = form.screen();
    if (screen == nullptr) {
        return;
    }
    const Placement placement = placeBeside(screen->availableGeometry(), form.frameGeometry(),
                                            window.sizeHint(), window.minimumSizeHint());
    if (placement.formTopLeft) {
        form.move(*placement.formTopLeft);
    }
    window.resize(placement.window.size());
    window.move(placement.window.topLeft());
}

}  // namespace

TeachingWindow::TeachingWindow(MainForm& form)
    : QWidget(&form, Qt::Window), form_(form), run_(form.runControl()) {
    installPictureAccessibility();
    setObjectName(QStringLiteral("ChartWindow"));
    setWindowTitle(QStringLiteral("Графика — Надпродажба и коефициент на запас"));
    // The program ends with its main window; this one never keeps it running.
    setAttribute(Qt::WA_QuitOnClose, false);
    QFont large = font();
    large.setPointSizeF(std::max(large.pointSizeF(), 12.0));
    setFont(large);
    // The style marks the focus with a thin outline that a projector loses: a heavy dashed
    // frame in the text's colour, as in the main window, that keeps its width in every state
    // so nothing moves, and reads on a light or a dark scheme.
    setStyleSheet(QStringLiteral(
        "QPushButton { border: 2px solid palette(mid); border-radius: 3px; padding: 3px 10px;"
        " background-color: palette(button); outline: none; }"
        "QPushButton:pressed { background-color: palette(midlight); }"
        "QPushButton:focus, QComboBox:focus { border: 2px dashed palette(window-text); }"
        "QComboBox { border: 2px solid palette(mid); border-radius: 3px; padding: 2px 8px; }"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(createControls());
    layout->addWidget(createPicture(), 1);
    layout->addWidget(createDataButtons());
    // Tab runs down the window: time controls, summary, pictures, then the data buttons.
    QWidget* const order[] = {speed_,      pause_,     step_,        summary_,
                              shareChart_, histogram_, savePicture_, copyData_};
    for (std::size_t i = 1; i < std::size(order); ++i) {
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
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    pause_ = button(QStringLiteral("Пауза"), "Pause",
                    QStringLiteral("Спира тегленията, без да нулира броячите. „Изведи“ в "
                                   "главния прозорец или F5 продължава."),
                    row);
    pause_->setToolTip(
        QStringLiteral("Спира тегленията, без да нулира броячите (F5; F5 отново "
                       "продължава)"));
    step_ = button(QStringLiteral("Една стъпка"), "Step",
                   QStringLiteral("Докато тегленията са спрени: точно едно теглене (F6)."), row);
    step_->setToolTip(QStringLiteral("Едно теглене, докато тегленията са спрени (F6)"));
    speed_ = new QComboBox(row);
    speed_->setObjectName(QStringLiteral("Speed"));
    speed_->setAccessibleName(QStringLiteral("Скорост"));
    speed_->setAccessibleDescription(QStringLiteral("Колко тегления в секунда прави симулацията"));
    for (const Speed& speed : kSpeeds) {
        speed_->addItem(QString::fromUtf8(speed.text), speed.milliseconds);
    }
    auto* speedLabel = new QLabel(QStringLiteral("Скорост:"), row);
    speedLabel->setBuddy(speed_);
    // Speed first: it is what a teacher changes on opening, and it has the focus then.
    layout->addWidget(speedLabel);
    layout->addWidget(speed_);
    layout->addSpacing(fontMetrics().height());
    layout->addWidget(pause_);
    layout->addWidget(step_);
    layout->addStretch(1);

    connect(pause_, &QPushButton::clicked, this, [this] {
        run_.pause();
        step_->setFocus();
    });
    connect(step_, &QPushButton::clicked, this, [this] { run_.tickNow(); });

    // The same from anywhere in the window, with keys that mean the same on every keyboard
    // layout; a key never moves the focus.
    const auto windowKey = [this](const QString& text, const char* name, Qt::Key key) {
        auto* action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(QKeySequence(key));
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
        return action;
    };
    connect(windowKey(QStringLiteral("Пауза или продължаване"), "PauseOrResume", Qt::Key_F5),
            &QAction::triggered, this, [this] {
                if (run_.isRunning()) {
                    run_.pause();
                } else {
                    run_.resume();
                }
            });
    connect(windowKey(QStringLiteral("Една стъпка"), "StepKey", Qt::Key_F6), &QAction::triggered,
            this, [this] {
                if (!run_.isRunning()) {
                    run_.tickNow();
                }
            });
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this] { setSpeed(speed_->currentData().toInt()); });
    return row;
}

QWidget* TeachingWindow::createDataButtons() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    savePicture_ =
        button(QStringLiteral("Запази като PNG…"), "SavePicture",
               QStringLiteral("Записва двете графики и обобщението като изображение"), row);
    copyData_ = button(QStringLiteral("Копирай данните"), "CopyData",
                       QStringLiteral("Копира тегленията и търсенията като таблица с табулации, "
                                      "за електронна таблица"),
                       row);
    layout->addStretch(1);
    layout->addWidget(savePicture_);
    layout->addWidget(copyData_);
    connect(savePicture_, &QPushButton::clicked, this, &TeachingWindow::askAndSavePicture);
    connect(copyData_, &QPushButton::clicked, this, &TeachingWindow::copyData);
    return row;
}

QWidget* TeachingWindow::createPicture() {
    picture_ = new QWidget(this);
    auto* layout = new QVBoxLayout(picture_);
    layout->setContentsMargins(0, 0, 0, 0);
    summary_ = new SummaryLine(picture_);
    summary_->setObjectName(QStringLiteral("ChartSummary"));
    QFont bold = font();
    bold.setPointSizeF(font().pointSizeF() * 1.25);
    bold.setBold(true);
    summary_->setFont(bold);
    shareChart_ = new ShareChart(form_.model(), picture_);
    histogram_ = new DemandHistogram(form_.model(), picture_);
    layout->addWidget(new SummaryHolder(summary_, picture_));
    layout->addWidget(shareChart_, 5);
    layout->addWidget(histogram_, 4);
    return picture_;
}

void TeachingWindow::runChanged() {
    if (!isVisible()) {
        return;
    }
    // The summary follows every change at once; the pictures wait for the next frame. The form
    // says it changed several times within a tick; the text is made when the numbers differ.
    const SummaryNumbers numbers = summaryNumbers(form_.model());
    if (numbers != summaryShown_) {
        summary_->setText(summaryText(form_.model()));
        summaryShown_ = numbers;
    }
    pause_->setEnabled(run_.isRunning());
    step_->setEnabled(!run_.isRunning());
    if (!frame_->isActive()) {
        frame_->start();
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
    // Escape closes the window, as it closes a dialog; the run goes on in the main window. A
    // control that uses Escape itself, such as an open list, takes it first.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TeachingWindow::closeEvent(QCloseEvent* event) {
    // Nothing is kept: the next opening starts at the designed speed, as the run goes on now.
    speed_->setCurrentIndex(0);
    setSpeed(core::kTickMilliseconds);
    frame_->stop();
    event->accept();
}

bool TeachingWindow::savePicture(const QString& path) const {
    return picture_->grab().save(path, "PNG");
}

QString TeachingWindow::dataText() const {
    const core::Model& model = form_.model();
    const auto expected = core::expectedSharePercent(model);
    const QString expectedText = expected ? plainNumber(*expected, model) : QString();
    QString text = QStringLiteral("Теглене\tПретоварвания\tИзмерен дял, %\tОчакван дял, %\n");
    for (const auto& point : shownSeries(model)) {
        const double share = core::measuredSharePercent(point.overloads, point.tick).value_or(0);
        text += QStringLiteral("%1\t%2\t%3\t%4\n")
                    .arg(point.tick)
                    .arg(point.overloads)
                    .arg(plainNumber(share, model), expectedText);
    }
    text += QStringLiteral("\nТърсене\tБрой тегления\n");
    const auto counts = model.statistics.demandCounts();
    for (std::size_t demand = 0; demand < counts.size(); ++demand) {
        text += QStringLiteral("%1\t%2\n").arg(demand).arg(counts[demand]);
    }
    return text;
}

void TeachingWindow::copyData() const {
    QGuiApplication::clipboard()->setText(dataText());
}

void TeachingWindow::askAndSavePicture() {
    const QString start = QDir(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation))
                              .filePath(QStringLiteral("графика.png"));
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Запази като PNG"), start,
                                                QStringLiteral("Изображение PNG (*.png)"));
    if (path.isEmpty()) {
        return;
    }
    if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
        path += QStringLiteral(".png");
    }
    if (!savePicture(path)) {
        QMessageBox::warning(this, QStringLiteral("Запази като PNG"),
                             QStringLiteral("Файлът „%1“ не можа да бъде записан.")
                                 .arg(QDir::toNativeSeparators(path)));
    }
}

QAction* makeTeachingWindowAction(MainForm& form) {
    auto* action = new QAction(QStringLiteral("Графика…"), &form);
    action->setObjectName(QStringLiteral("ChartAction"));
    action->setShortcut(QKeySequence(Qt::Key_F2));
    QObject::connect(action, &QAction::triggered, &form, [&form] { openTeachingWindow(form); });
    return action;
}

TeachingWindow* openTeachingWindow(MainForm& form) {
    auto* window = form.findChild<TeachingWindow*>(QString(), Qt::FindDirectChildrenOnly);
    if (window == nullptr) {
        window = new TeachingWindow(form);
        openBeside(*window, form);
    }
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

}  // namespace ui
