// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include <benchmark/benchmark.h>

#include <string>

#include "core/check_inputs.hpp"
#include "core/expected_share.hpp"
#include "core/model.hpp"
#include "core/reset.hpp"
#include "core/tick.hpp"
#include "runtime/number_from_text.hpp"
#include "runtime/random_source.hpp"

namespace {

// One tick on the default inputs with 10 percent overselling, with the input check wired to
// the notifications as the window wires it.
void BM_Tick(benchmark::State& state) {
    core::Model model;
    model.setChangeListener([&model](core::TextField) { core::CheckInputs(model); });
    runtime::ClockSeededRandom random;
    random.reseedFromClock();
    auto restart = [&] {
        core::ResetSimulation(model);
        model.setText(core::Text2(0), "10");
        model.timerEnabled = true;
    };
    restart();
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::Timer1_Timer(model, random));
        if (model.OverloadCount > 30000) {
            state.PauseTiming();
            restart();
            state.ResumeTiming();
        }
    }
}
BENCHMARK(BM_Tick);

// The expected share for the model's texts, as the teaching window asks for it on every change.
void BM_ExpectedShare(benchmark::State& state, const std::string& capacity) {
    core::Model model;
    model.setText(core::Text1(2), capacity);
    model.setText(core::Text2(0), "10");
    for (auto _ : state) {
        benchmark::DoNotOptimize(core::expectedSharePercent(model));
    }
}
BENCHMARK_CAPTURE(BM_ExpectedShare, capacity100, std::string("100"));
BENCHMARK_CAPTURE(BM_ExpectedShare, capacity9999, std::string("9999"));
BENCHMARK_CAPTURE(BM_ExpectedShare, none, std::string("9E99"));

void BM_NumberFromText(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(runtime::numberFromText(text));
    }
}
BENCHMARK_CAPTURE(BM_NumberFromText, capacity, std::string("100"));
BENCHMARK_CAPTURE(BM_NumberFromText, blanks, std::string(" 1 0 0"));
BENCHMARK_CAPTURE(BM_NumberFromText, exponent, std::string("9E99"));
BENCHMARK_CAPTURE(BM_NumberFromText, percentage, std::string("33.3333333333333"));

}  // namespace
