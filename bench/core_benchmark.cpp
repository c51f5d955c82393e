// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>

#include "core/check_inputs.hpp"
#include "core/classes.hpp"
#include "core/draw.hpp"
#include "core/expected_share.hpp"
#include "core/model.hpp"
#include "core/reset.hpp"
#include "core/tick.hpp"
#include "cpu_clocks.hpp"
#include "runtime/number_from_text.hpp"
#include "runtime/random_source.hpp"

namespace {

// One tick on the default inputs with 10 percent overselling, with the input check wired to
// the notifications as the window wires it.
void BM_Tick(benchmark::State& state) {
    core::Model model;
    model.setChangeListener([&model](core::TextField) { core::CheckInputs(model); });
    runtime::TwisterRandom random;
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

// The window's largest choice, a thousand classes of ten thousand draws, at capacity 100 and 10
// percent overselling.
const core::ClassesRequest kLargestClasses{100, core::ceilingFor(100, 10), 1000, 10000};

// All ten million draws in one call: the time a run takes on one core.
void BM_ClassesAtOnce(benchmark::State& state) {
    std::uint32_t seed = 1;
    for (auto _ : state) {
        core::ClassesRun run(kLargestClasses, seed++);
        benchmark::DoNotOptimize(run.advance(run.drawsTotal()));
        benchmark::DoNotOptimize(run.overloads().data());
    }
    state.SetItemsProcessed(state.iterations() * kLargestClasses.classes *
                            kLargestClasses.drawsPerClass);
}
BENCHMARK(BM_ClassesAtOnce)->Unit(benchmark::kMillisecond);

// One draw of the class runner against a bare loop written here with the standard library's
// Mersenne Twister, the same scaling, rounding, remainder and count: the two alternate in each
// round, and the report gives both times a draw and their ratio, in the thread's CPU time
// rather than the wall clock's, so that a busy machine does not favour either side.
void BM_DrawAgainstBareLoop(benchmark::State& state) {
    constexpr std::int64_t kDraws = 1000000;
    const core::ClassesRequest request{100, core::ceilingFor(100, 10), 100, kDraws / 100};
    double runnerMilliseconds = 0;
    double bareMilliseconds = 0;
    std::uint32_t seed = 1;
    for (auto _ : state) {
        const double start = threadCpuMilliseconds();
        core::ClassesRun run(request, seed);
        run.advance(run.drawsTotal());
        benchmark::DoNotOptimize(run.overloads().data());
        const double middle = threadCpuMilliseconds();
        std::mt19937 engine(seed++);
        std::int64_t overloads = 0;
        for (std::int64_t i = 0; i < kDraws; ++i) {
            const float random = static_cast<float>(engine() >> 8U) / 16777216.0F;
            const auto raw = static_cast<std::int32_t>(std::lrint(random * 10000.0F));
            overloads += 100.0 < raw % 110 ? 1 : 0;
        }
        benchmark::DoNotOptimize(overloads);
        const double end = threadCpuMilliseconds();
        runnerMilliseconds += middle - start;
        bareMilliseconds += end - middle;
    }
    const double rounds = static_cast<double>(state.iterations()) * kDraws;
    state.counters["runner_ns_per_draw"] = runnerMilliseconds / rounds * 1e6;
    state.counters["bare_loop_ns_per_draw"] = bareMilliseconds / rounds * 1e6;
    state.counters["ratio"] = runnerMilliseconds / bareMilliseconds;
    state.counters["ratio_limit"] = 1.25;
}
BENCHMARK(BM_DrawAgainstBareLoop)->Unit(benchmark::kMillisecond);

// The same run a slice at a time, as a window's event loop calls it: the longest slice is the
// longest the window waits before it can paint or take a click.
void BM_ClassesInSlices(benchmark::State& state) {
    constexpr std::int64_t kSlice = 20000;
    using Clock = std::chrono::steady_clock;
    std::uint32_t seed = 1;
    double longestMs = 0;
    for (auto _ : state) {
        core::ClassesRun run(kLargestClasses, seed++);
        bool done = false;
        while (!done) {
            const auto start = Clock::now();
            done = run.advance(kSlice);
            const std::chrono::duration<double, std::milli> slice = Clock::now() - start;
            longestMs = std::max(longestMs, slice.count());
        }
        benchmark::DoNotOptimize(run.overloads().data());
    }
    state.counters["longest_slice_ms"] = longestMs;
    state.SetItemsProcessed(state.iterations() * kLargestClasses.classes *
                            kLargestClasses.drawsPerClass);
}
BENCHMARK(BM_ClassesInSlices)->Unit(benchmark::kMillisecond);

}  // namespace
