// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// Start-up of the program against the text floor (bare_window: one label and one text box in
// the program's window, font and style), on the X display in DISPLAY: for each run, the time
// from fork to the window being mapped and the peak resident memory of the process, which is
// then closed as a window manager closes it. Prints both medians of each program and their
// ratios, beside the time's limit. Usage: startup_benchmark RUNS PROGRAM BARE_WINDOW

#include <X11/Xlib.h>
#include <sys/resource.h>
#include <sys/select.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "x11_window.hpp"

namespace {

using testing_support::askToClose;
using testing_support::DisplayPtr;
using Clock = std::chrono::steady_clock;

// The program may take a tenth longer than the text floor to show its window. Memory has no
// limit: the program's model and controls are its own, and the ratio is shown for comparison.
constexpr double kTimeRatioLimit = 1.10;

struct Sample {
    double milliseconds;
    long peakKiB;
};

// Waits for a top-level, non-override-redirect window to be mapped.
std::optional<Window> waitForMap(Display* display, Clock::time_point deadline) {
    const int fd = ConnectionNumber(display);
    while (Clock::now() < deadline) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect) {
                return event.xmap.window;
            }
        }
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        timeval wait{0, 10'000};
        select(fd + 1, &readable, nullptr, nullptr, &wait);
    }
    return std::nullopt;
}

std::optional<Sample> measure(Display* display, const char* program) {
    XSync(display, True);  // drop events of earlier runs
    const auto start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto window = waitForMap(display, start + std::chrono::seconds(20));
    const auto mapped = Clock::now();
    if (window) {
        askToClose(display, *window);
    } else {
        kill(child, SIGKILL);
    }
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    if (!window || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return Sample{std::chrono::duration<double, std::milli>(mapped - start).count(),
                  usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 == 1 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: startup_benchmark RUNS PROGRAM BARE_WINDOW\n");
        return 2;
    }
    const int runs = std::max(1, std::atoi(argv[1]));
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        std::fprintf(stderr, "startup_benchmark: no X display\n");
        return 1;
    }
    XSelectInput(display.get(), DefaultRootWindow(display.get()), SubstructureNotifyMask);

    const char* programs[] = {argv[2], argv[3]};
    std::vector<double> times[2];
    std::vector<double> memory[2];
    // Alternating runs, so that a slow spell of the machine hits both alike.
    for (int run = 0; run < runs; ++run) {
        for (int which = 0; which < 2; ++which) {
            const auto sample = measure(display.get(), programs[which]);
            if (!sample) {
                std::fprintf(stderr, "startup_benchmark: %s did not map a window and exit 0\n",
                             programs[which]);
                return 1;
            }
            times[which].push_back(sample->milliseconds);
            memory[which].push_back(static_cast<double>(sample->peakKiB));
        }
    }
    const double time[2] = {median(times[0]), median(times[1])};
    const double peak[2] = {median(memory[0]), median(memory[1])};
    const double timeRatio = time[0] / time[1];
    std::printf("%-14s %12s %14s\n", "median of", "to map (ms)", "peak RSS (KiB)");
    std::printf("%-14s %12.1f %14.0f\n", "program", time[0], peak[0]);
    std::printf("%-14s %12.1f %14.0f\n", "text floor", time[1], peak[1]);
    std::printf("%-14s %12.3f %14.3f   limit %.2f (time%s), none (memory)\n", "ratio", timeRatio,
                peak[0] / peak[1], kTimeRatioLimit, timeRatio > kTimeRatioLimit ? ", over" : "");
    std::printf("over %d runs each\n", runs);
    return 0;
}
