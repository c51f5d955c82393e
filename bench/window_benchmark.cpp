// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// One tick through the real window, offscreen: the handler, the core, the widget updates and
// the repaint they post.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "runtime/random_source.hpp"
#include "ui/main_form.hpp"

namespace {

void startOversellingRun(ui::MainForm& form) {
    form.Command1_Click(1);
    auto* overselling = form.findChild<QLineEdit*>(QStringLiteral("Text2(0)"));
    overselling->selectAll();
    QTest::keyClicks(overselling, QStringLiteral("10"));
    form.Command1_Click(0);
}

void BM_WindowTick(benchmark::State& state) {
    ui::MainForm form(std::make_unique<runtime::ClockSeededRandom>());
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) {
        state.SkipWithError("the window was never exposed, so it would not paint");
        return;
    }
    startOversellingRun(form);
    QCoreApplication::sendPostedEvents();
    for (auto _ : state) {
        form.Timer1_Timer();
        QCoreApplication::sendPostedEvents();
        if (form.model().OverloadCount > 30000) {
            state.PauseTiming();
            startOversellingRun(form);
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_WindowTick)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
