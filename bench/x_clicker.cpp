// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#include "x_clicker.hpp"

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <atomic>
#include <mutex>
#include <thread>

struct XClicker::State {
    std::atomic<bool> stopping = false;
    mutable std::mutex mutex;
    std::vector<Clock::time_point> sent;
    std::thread thread;
};

XClicker::XClicker(int x, int y, std::chrono::milliseconds period)
    : state_(std::make_unique<State>()) {
    state_->thread = std::thread([state = state_.get(), x, y, period] {
        Display* display = XOpenDisplay(nullptr);
        if (display == nullptr) {
            return;
        }
        while (!state->stopping) {
            std::this_thread::sleep_for(period);
            XTestFakeMotionEvent(display, -1, x, y, 0);
            {
                const std::scoped_lock lock(state->mutex);
                state->sent.push_back(Clock::now());
            }
            XTestFakeButtonEvent(display, 1, True, 0);
            XTestFakeButtonEvent(display, 1, False, 0);
            XFlush(display);
        }
        XCloseDisplay(display);
    });
}

XClicker::~XClicker() {
    stop();
}

void XClicker::stop() {
    state_->stopping = true;
    if (state_->thread.joinable()) {
        state_->thread.join();
    }
}

std::vector<XClicker::Clock::time_point> XClicker::sent() const {
    const std::scoped_lock lock(state_->mutex);
    return state_->sent;
}
