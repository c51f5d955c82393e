// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "teaching_session.hpp"

#include <QLineEdit>
#include <QtTest>
#include <cstdio>

#include "runtime/random_source.hpp"
#include "ui/application/window_actions.hpp"
#include "ui/teaching_window/teaching_window.hpp"

std::unique_ptr<ui::MainForm> openTeachingSession(const QString& capacity) {
    auto form = std::make_unique<ui::MainForm>(std::make_unique<runtime::TwisterRandom>());
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) {
        std::fprintf(stderr, "the main window was never exposed\n");
        return nullptr;
    }
    for (const auto& [name, text] :
         {std::pair{"Text2(0)", QStringLiteral("10")}, std::pair{"Text1(2)", capacity}}) {
        auto* box = form->findChild<QLineEdit*>(QLatin1String(name));
        box->selectAll();
        QTest::keyClicks(box, text);
    }
    ui::TeachingWindow* chart = &ui::installWindowActions(*form).openTeachingWindow();
    if (!QTest::qWaitForWindowExposed(chart)) {
        std::fprintf(stderr, "the teaching window was never exposed\n");
        return nullptr;
    }
    return form;
}
