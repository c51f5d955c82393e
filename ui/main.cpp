// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <memory>

#include "runtime/random_source.hpp"
#include "ui/bulgarian_translation.hpp"
#include "ui/main_form.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("overselling"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));
    // Fusion paints the palette's back colours on option buttons and button faces.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::installBulgarianTranslation(application);
    // Assistive tools take the application's language from the default locale and pick a voice
    // by it. Numbers are read with the desktop's own separator, from QLocale::system().
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    ui::MainForm form(std::make_unique<runtime::ClockSeededRandom>());
    form.show();
    return QApplication::exec();
}
