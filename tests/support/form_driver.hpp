// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#pragma once

#include <QLineEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "ui/common/qt_text.hpp"
#include "ui/main_window/main_form.hpp"

namespace testing_support {

using ui::toQString;

// Works the window as a user and its timer would, finding controls by their object names.
class FormDriver {
  protected:
    template <typename T = QWidget>
    T* control(const char* name) const {
        auto* found = form_->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            qFatal("no control named %s", name);
        }
        return found;
    }

    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QTimer* timer() const { return control<QTimer>("Timer1"); }
    void click(const char* name) const { QTest::mouseClick(control(name), Qt::LeftButton); }

    // What the timer does every second, without waiting for it.
    [[nodiscard]] bool emitTimeout() const { return QMetaObject::invokeMethod(timer(), "timeout"); }

    // Replaces a box's text the way a user does: select all, then type.
    void type(const char* name, const QString& text) const {
        QLineEdit* line = box(name);
        line->setFocus();
        line->selectAll();
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClicks(line, text);
    }

    std::unique_ptr<ui::MainForm> form_;
};

}  // namespace testing_support
