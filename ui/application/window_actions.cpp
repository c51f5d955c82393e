// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/application/window_actions.hpp"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QScreen>

#include "ui/application/about_box.hpp"
#include "ui/application/window_placement.hpp"
#include "ui/common/context_menu_keys.hpp"
#include "ui/common/two_way_question.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/teaching_window.hpp"

namespace ui {
namespace {

// Opens beside the form, moving the form aside where only that makes room, or maximised where
// the screen is too small for both; see window_placement.hpp. True for the latter.
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
    return placement.maximised;
}

// Asked when the main window closes while the teaching window is open: the whole program ends
// with the main window, and a teacher may have meant to close only the main window.
bool confirmQuit(QWidget& form) {
    return askTwoWay(&form, {.icon = QMessageBox::Question,
                             .title = QStringLiteral("Затваряне на програмата"),
                             .text = QStringLiteral("Да се затвори ли програмата? Графиката също "
                                                    "ще се затвори."),
                             .yes = QStringLiteral("Затвори програмата"),
                             .no = QStringLiteral("Отказ"),
                             .objectName = QStringLiteral("QuitQuestion")});
}

}  // namespace

WindowActions::WindowActions(MainForm& form) : QObject(&form), form_(form) {
    lesson_ = new Lesson(this);
    form_.followLesson(*lesson_);

    teachingWindow_ = new QAction(QStringLiteral("Графика…"), &form_);
    teachingWindow_->setObjectName(QStringLiteral("ChartAction"));
    teachingWindow_->setShortcut(QKeySequence(Qt::Key_F2));
    connect(teachingWindow_, &QAction::triggered, this, [this] { openTeachingWindow(); });

    auto* about = new QAction(QStringLiteral("За програмата…"), &form_);
    about->setObjectName(QStringLiteral("AboutAction"));
    // Over the window it was chosen in, which keeps the keyboard: the main window stays behind
    // a presentation.
    connect(about, &QAction::triggered, this, [this] {
        QWidget* active = QApplication::activeWindow();
        showAboutBox(active != nullptr ? active : &form_);
    });
    shared_ = {about};
    form_.installEventFilter(this);
}

bool WindowActions::eventFilter(QObject* watched, QEvent* event) {
    // Only the user's own closing, through the window manager, is asked about: the program
    // quitting, as when the desktop session ends, closes the form without a word.
    if (watched == &form_ && event->type() == QEvent::Close && event->spontaneous() &&
        window_ != nullptr && window_->isVisible() && !confirmQuit(form_)) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

WindowActions::~WindowActions() {
    delete window_;
}

TeachingWindow& WindowActions::openTeachingWindow() {
    if (window_ == nullptr) {
        // The form's child, so that it closes with the program; the lesson is not its own.
        window_ = new TeachingWindow(form_.model(), form_.runControl(), *lesson_, shared_, &form_);
        if (openBeside(*window_, form_)) {
            window_->setWindowState(Qt::WindowMaximized);
        }
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return *window_;
}

WindowActions& installWindowActions(MainForm& form) {
    auto* actions = new WindowActions(form);
    form.addAction(actions->teachingWindowAction());
    form.addActions(actions->sharedActions());
    form.setContextMenuPolicy(Qt::ActionsContextMenu);
    installContextMenuKeys(form);
    return *actions;
}

}  // namespace ui
