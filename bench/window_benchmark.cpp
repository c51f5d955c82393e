// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// One tick through the real window, offscreen: the handler, the core, the widget updates and
// the repaint they post.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QtTest>
#include <memory>
#include <random>
#include <string>
#include <type_traits>

#include "core/reset.hpp"
#include "core/tick.hpp"
#include "runtime/random_source.hpp"
#include "ui/lesson/lesson.hpp"
#include "ui/main_window/main_form.hpp"
#include "ui/teaching_window/run_page/demand_histogram.hpp"
#include "ui/teaching_window/run_page/share_chart.hpp"

namespace {

void startOversellingRun(ui::MainForm& form) {
    form.Command1_Click(1);
    auto* overselling = form.findChild<QLineEdit*>(QStringLiteral("Text2(0)"));
    overselling->selectAll();
    QTest::keyClicks(overselling, QStringLiteral("10"));
    form.Command1_Click(0);
}

void BM_WindowTick(benchmark::State& state) {
    ui::MainForm form(std::make_unique<runtime::TwisterRandom>());
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

// One repaint of each picture of the teaching window, after a run of state.range(0) ticks at
// 10 % overselling of a capacity, at about the size the window gives it: capacity 100 for the
// share, whose path then wanders, and 9999 for the demands, which then fill all 10001 bins.
template <typename Picture, int kCapacity>
void BM_PicturePaint(benchmark::State& state) {
    core::Model model;
    core::ResetSimulation(model);
    model.setText(core::Text1(2), std::to_string(kCapacity));
    model.setText(core::Text2(0), "10");
    // The same run every time, so that the figures compare.
    class FixedSeedRandom final : public runtime::RandomSource {
      public:
        float next() override { return static_cast<float>(engine_() >> 8U) / 16777216.0F; }
        void reseedFromClock() override {}
        void reseed(std::uint32_t seed) override { engine_.seed(seed); }

      private:
        std::mt19937 engine_{12345};
    } random;
    for (std::int64_t i = 0; i < state.range(0); ++i) {
        (void)core::Timer1_Timer(model, random);
    }
    const ui::Lesson lesson;
    // Some pictures draw the lesson's choices, some only the model.
    const auto picture = [&] {
        if constexpr (std::is_constructible_v<Picture, const core::Model&, const ui::Lesson&>) {
            return std::make_unique<Picture>(model, lesson);
        } else {
            return std::make_unique<Picture>(model);
        }
    }();
    picture->resize(800, 330);
    QImage image(picture->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        picture->render(&image);
    }
}
BENCHMARK(BM_PicturePaint<ui::ShareChart, 100>)
    ->Arg(100)
    ->Arg(6000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PicturePaint<ui::DemandHistogram, 9999>)
    ->Arg(100)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMicrosecond);

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
