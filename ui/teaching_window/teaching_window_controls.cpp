// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// The teaching window's controls, pages and actions, as they are made; what they do over time
// is in teaching_window.cpp.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/common/context_menu_keys.hpp"
#include "ui/main_window/run_control.hpp"
#include "ui/teaching_window/experiments/experiments_page.hpp"
#include "ui/teaching_window/export/save_dialogs.hpp"
#include "ui/teaching_window/layout/flow_layout.hpp"
#include "ui/teaching_window/layout/input_rule.hpp"
#include "ui/teaching_window/layout/projector_style.hpp"
#include "ui/teaching_window/layout/summary_line.hpp"
#include "ui/teaching_window/pacing/speeds.hpp"
#include "ui/teaching_window/pictures/picture_area.hpp"
#include "ui/teaching_window/run_page/demand_histogram.hpp"
#include "ui/teaching_window/run_page/draw_explanation.hpp"
#include "ui/teaching_window/run_page/share_chart.hpp"
#include "ui/teaching_window/teaching_window.hpp"
#include "ui/teaching_window/words/guess_validator.hpp"

namespace ui {

QWidget* TeachingWindow::createControls() {
    auto* bar = new QWidget(this);
    auto* flow = new FlowLayout(bar);
    flow->setSpacing(fontMetrics().height() / 4);

    // The main window's own buttons, for presentation mode, where the main window is hidden.
    runButton_ = projectorButton(QStringLiteral("Изведи"), "ChartRun",
                                 QStringLiteral("Започва или продължава тегленията, като „Изведи“ "
                                                "в главния прозорец"),
                                 bar);
    clearButton_ = projectorButton(QStringLiteral("Изчисти"), "ChartClear",
                                   QStringLiteral("Спира и започва същия опит отначало, със "
                                                  "същите стойности"),
                                   bar);
    connect(runButton_, &QPushButton::clicked, this, [this] { run_.resume(); });
    connect(clearButton_, &QPushButton::clicked, this, [this] { run_.startAgain(); });

    speed_ = new QComboBox(bar);
    speed_->setObjectName(QStringLiteral("Speed"));
    speed_->setAccessibleName(QStringLiteral("Скорост"));
    speed_->setAccessibleDescription(QStringLiteral("Колко тегления в секунда прави симулацията"));
    speed_->setToolTip(speed_->accessibleDescription());
    for (const Speed& speed : kSpeeds) {
        speed_->addItem(QString::fromUtf8(speed.text), speed.tickMilliseconds);
    }
    pause_ = projectorButton(QStringLiteral("Пауза"), "Pause",
                             QStringLiteral("Спира тегленията, без да нулира броячите (F5; F5 "
                                            "отново продължава)"),
                             bar);
    step_ = projectorButton(QStringLiteral("Една стъпка"), "Step",
                            QStringLiteral("Едно теглене, докато тегленията са спрени (F6)"), bar);

    guess_ = new QLineEdit(bar);
    guess_->setObjectName(QStringLiteral("ClassGuess"));
    guess_->setAccessibleName(QStringLiteral("Прогноза на класа, %"));
    guess_->setAccessibleDescription(
        QStringLiteral("Какъв дял от тегленията според класа ще претоварят системата, от 0 до "
                       "100; рисува се като линия в графиката на дела"));
    guess_->setValidator(new GuessValidator(guess_));
    explainAcceptedInput(*guess_, QStringLiteral("Число от 0 до 100, например 8,5"));
    guess_->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("00,00")) +
                          fontMetrics().height());
    experimentsButton_ =
        projectorButton(QStringLiteral("Експерименти"), "ExperimentsButton",
                        QStringLiteral("Много класове наведнъж и очакваният дял спрямо "
                                       "надпродажбата (F8; F8 отново връща графиките)"),
                        bar);
    experimentsButton_->setCheckable(true);
    explain_ = projectorButton(QStringLiteral("Как се тегли?"), "DrawExplanationButton",
                               QStringLiteral("Защо очакваният дял не е просто броят на "
                                              "търсенията над капацитета, разделен на броя на "
                                              "всички търсения"),
                               bar);
    savePicture_ = projectorButton(
        QStringLiteral("Запази като PNG…"), "SavePicture",
        QStringLiteral("Записва двете графики и обобщението като изображение"), bar);
    copyData_ = projectorButton(QStringLiteral("Копирай данните"), "CopyData",
                                QStringLiteral("Копира тегленията и търсенията като таблица с "
                                               "табулации, за електронна таблица"),
                                bar);
    // "Копирано" takes the button's place for a moment; the button keeps its width.
    copyData_->setMinimumWidth(copyData_->sizeHint().width());
    saveData_ = projectorButton(QStringLiteral("Запази данните…"), "SaveData",
                                QStringLiteral("Записва тегленията и търсенията във файл CSV за "
                                               "електронна таблица"),
                                bar);

    menuButton_ = projectorButton(QStringLiteral("Меню"), "WindowMenu",
                                  QStringLiteral("Всички действия на прозореца с клавишите им, "
                                                 "като контекстното меню (Shift+F10)"),
                                  bar);

    QWidget* const speedPair = labelledPair(QStringLiteral("Скорост:"), speed_, bar);
    QWidget* const guessPair = labelledPair(QStringLiteral("Прогноза на класа, %"), guess_, bar);
    runPageControls_ = {speedPair, pause_, step_, guessPair};
    // The experiments page's own controls follow its switch, shown with the page.
    std::vector<QWidget*> row{runButton_, clearButton_, speedPair,         pause_,
                              step_,      guessPair,    experimentsButton_};
    row.insert(row.end(), experiments_->controls().begin(), experiments_->controls().end());
    row.insert(row.end(), {explain_, savePicture_, copyData_, saveData_, menuButton_});
    for (QWidget* control : row) {
        flow->addWidget(control);
    }

    connect(pause_, &QPushButton::clicked, this, [this] {
        run_.pause();
        step_->setFocus();
    });
    connect(step_, &QPushButton::clicked, this, [this] { run_.tickNow(); });
    connect(speed_, &QComboBox::currentIndexChanged, this,
            [this] { lesson_.setTickMilliseconds(speed_->currentData().toInt()); });
    connect(guess_, &QLineEdit::textChanged, this,
            [this](const QString& text) { lesson_.setGuess(guessFromText(text)); });
    connect(explain_, &QPushButton::clicked, this, [this] {
        explanation_->refresh(lesson_.state().expectedShown);
        explanation_->show();
        explanation_->raise();
        explanation_->activateWindow();
    });
    connect(savePicture_, &QPushButton::clicked, this,
            [this] { askAndSavePng(this, pictureImage()); });
    connect(copyData_, &QPushButton::clicked, this, &TeachingWindow::copyData);
    connect(saveData_, &QPushButton::clicked, this,
            [this] { askAndSaveCsv(this, dataText(DataFormat::Csv)); });
    return bar;
}

void TeachingWindow::createActions(const QList<QAction*>& sharedActions) {
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
            [this](bool hidden) { lesson_.setExpectedShown(!hidden); });
    presentation_ = windowAction(QStringLiteral("Представяне на цял екран"), "Presentation",
                                 QKeySequence(Qt::Key_F11));
    presentation_->setCheckable(true);
    connect(presentation_, &QAction::toggled, this, &TeachingWindow::setPresenting);
    showExperiments_ =
        windowAction(QStringLiteral("Експерименти"), "ShowExperiments", QKeySequence(Qt::Key_F8));
    showExperiments_->setCheckable(true);
    const auto choosePage = [this](bool experiments) {
        lesson_.setPage(experiments ? LessonPage::Experiments : LessonPage::Run);
    };
    connect(showExperiments_, &QAction::toggled, this, choosePage);
    connect(experimentsButton_, &QPushButton::toggled, this, choosePage);

    auto* separator = new QAction(this);
    separator->setSeparator(true);
    addAction(separator);
    for (QPushButton* control : {explain_, savePicture_, copyData_, saveData_}) {
        auto* action = new QAction(control->text(), this);
        connect(action, &QAction::triggered, control, &QPushButton::click);
        addAction(action);
    }
    auto* forget = new QAction(QStringLiteral("Забрави предишните опити"), this);
    forget->setObjectName(QStringLiteral("ForgetRuns"));
    connect(forget, &QAction::triggered, this, [this] { run_.forgetPastRuns(); });
    addAction(forget);
    auto* sharedSeparator = new QAction(this);
    sharedSeparator->setSeparator(true);
    addAction(sharedSeparator);
    addActions(sharedActions);
    close_ = new QAction(QStringLiteral("Затвори"), this);
    close_->setObjectName(QStringLiteral("CloseWindow"));
    close_->setShortcut(QKeySequence(Qt::Key_Escape));
    // Escape itself is handled by keyPressEvent, which lets an open list take it first.
    close_->setShortcutContext(Qt::WidgetShortcut);
    connect(close_, &QAction::triggered, this, &QWidget::close);
    addAction(close_);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    installContextMenuKeys(*this);
    auto* menu = new QMenu(this);
    menu->addActions(actions());
    menuButton_->setMenu(menu);
}

void TeachingWindow::setTabOrder() {
    // Tab runs down the window: the run, the guess, the summary, the pictures, the data.
    std::vector<QWidget*> order{inputs_, runButton_, clearButton_, speed_,
                                pause_,  step_,      guess_,       experimentsButton_};
    for (QWidget* control : experiments_->controls()) {
        // A labelled box is reached at its box.
        order.push_back(control->focusProxy() != nullptr ? control->focusProxy() : control);
    }
    order.insert(order.end(), {explain_, savePicture_, copyData_, saveData_, menuButton_, summary_,
                               shareChart_, histogram_});
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

QWidget* TeachingWindow::createRunPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(fontMetrics().height() / 4);
    summary_ = new SummaryLine(page);
    summary_->setObjectName(QStringLiteral("ChartSummary"));
    shareChart_ = new ShareChart(model_, lesson_, page);
    histogram_ = new DemandHistogram(model_, lesson_, page);
    shareChart_->setFont(pictureFont(font()));
    histogram_->setFont(pictureFont(font()));
    layout->addWidget(new SummaryHolder(summary_, page));
    layout->addWidget(new PictureArea(shareChart_, histogram_, page), 1);
    return page;
}

}  // namespace ui
