// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "ui/application/program_start.hpp"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>

#include "ui/application/app_info.hpp"
#include "ui/application/bulgarian_translation.hpp"
#include "ui/application/window_actions.hpp"
#include "ui/common/qt_text.hpp"

namespace ui {

std::unique_ptr<MainForm> startProgram(QApplication& application,
                                       std::unique_ptr<runtime::RandomSource> random) {
    QApplication::setApplicationName(toQString(app::kName));
    QApplication::setApplicationVersion(toQString(app::kVersion));
    QGuiApplication::setDesktopFileName(toQString(app::kId));
    // Fusion paints the palette's back colours on option buttons and button faces.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Loaded before the first frame: mapping the file costs a tenth of a millisecond, and Qt's
    // own texts are then Bulgarian wherever they first show.
    installBulgarianTranslation(application);
    // Assistive tools take the application's language from the default locale and pick a voice
    // by it. Numbers are read with the desktop's own separator, from QLocale::system().
    QLocale::setDefault(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));

    auto form = std::make_unique<MainForm>(std::move(random));
    installWindowActions(*form);
    form->show();
    return form;
}

}  // namespace ui
