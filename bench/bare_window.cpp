// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// The yardstick for start-up, the text floor: a Qt window of the program's size, style and
// font with one label and one text box, shown as the program shows its window. Whatever the
// program takes beyond this is what its own first frame costs.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QWidget window;
    window.setWindowTitle(QStringLiteral("text floor"));
    window.setFixedSize(475, 356);
    window.setFont(QFont(QStringLiteral("Times New Roman"), 12));
    auto* label = new QLabel(QStringLiteral("Брой ученици:"), &window);
    label->setGeometry(16, 16, 200, 24);
    auto* box = new QLineEdit(QStringLiteral("100"), &window);
    box->setGeometry(224, 16, 100, 24);
    label->setBuddy(box);
    box->setFocus();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - window.rect().center());
    }
    window.show();
    return QApplication::exec();
}
