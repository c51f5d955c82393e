// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Real clicks through XTest, from a thread and an X connection of their own, kept apart from
// Qt's headers, which Xlib's macros break.

#include <chrono>
#include <memory>
#include <vector>

class XClicker {
  public:
    using Clock = std::chrono::steady_clock;

    // Clicks the left button at a point of the screen every `period` until stop().
    XClicker(int x, int y, std::chrono::milliseconds period);
    ~XClicker();
    XClicker(const XClicker&) = delete;
    XClicker& operator=(const XClicker&) = delete;

    void stop();
    // When each press was sent, in order.
    [[nodiscard]] std::vector<Clock::time_point> sent() const;

  private:
    struct State;
    std::unique_ptr<State> state_;
};
