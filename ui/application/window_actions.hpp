// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// The application around the main form: the lesson both windows observe, the actions both
// windows offer, and the teaching window, opened and placed beside the form.

#include <QList>
#include <QObject>
#include <QPointer>

class QAction;

namespace ui {

class Lesson;
class MainForm;
class TeachingWindow;

class WindowActions final : public QObject {
    Q_OBJECT

  public:
    // Made as a child of the form: it lives, with the lesson, as long as the form does.
    explicit WindowActions(MainForm& form);
    // The teaching window goes first: its views observe the lesson to the last.
    ~WindowActions() override;

    [[nodiscard]] Lesson& lesson() const { return *lesson_; }
    // "Графика…" (F2), which opens the teaching window.
    [[nodiscard]] QAction* teachingWindowAction() const { return teachingWindow_; }
    // The items both windows offer: "За програмата…".
    [[nodiscard]] const QList<QAction*>& sharedActions() const { return shared_; }

    // Opens the teaching window beside the form, or maximised on a screen too small for both,
    // or raises it when it is open.
    TeachingWindow& openTeachingWindow();

  protected:
    // Closing the form through the window manager while the teaching window is open asks
    // first; the answer that Enter and Escape give keeps the program open.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    MainForm& form_;
    Lesson* lesson_ = nullptr;
    QAction* teachingWindow_ = nullptr;
    QList<QAction*> shared_;
    QPointer<TeachingWindow> window_;
};

// Wires the application around the main form: the keys and the form's context menu.
WindowActions& installWindowActions(MainForm& form);

}  // namespace ui
