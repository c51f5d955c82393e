// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <memory>

#include "runtime/random_source.hpp"
#include "ui/application/app_info.hpp"
#include "ui/application/bulgarian_translation.hpp"
#include "ui/application/window_actions.hpp"
#include "ui/common/qt_text.hpp"
#include "ui/main_window/main_form.hpp"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(ui::toQString(app::kName));
    QApplication::setApplicationVersion(ui::toQString(app::kVersion));
    QGuiApplication::setDesktopFileName(ui::toQString(app::kId));
    // Fusion paints the palette's back colours on option buttons and button faces.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    ui::installBulgarianTranslation(application);
    // Assistive tools take the application's language from the default locale and pick a voice
    // by it. Numbers are read with the desktop's own separator, from QLocale::system().
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    ui::MainForm form(std::make_unique<runtime::TwisterRandom>());
    ui::installWindowActions(form);
    form.show();
    return QApplication::exec();
}
