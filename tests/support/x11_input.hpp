// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Real pointer and key events through XTest, as a user's hand makes them. Each gives the
// program a moment to take the event in before the driver goes on.

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <chrono>
#include <initializer_list>
#include <iterator>
#include <thread>

namespace testing_support {

// Moves the pointer to a point of a window, in the window's own pixels.
inline void pointAt(Display* display, Window window, int x, int y) {
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, DefaultRootWindow(display), x, y, &rootX, &rootY,
                          &child);
    XTestFakeMotionEvent(display, -1, rootX, rootY, 0);
    XFlush(display);
}

inline void clickAt(Display* display, Window window, int x, int y) {
    pointAt(display, window, x, y);
    XTestFakeButtonEvent(display, 1, True, 0);
    XTestFakeButtonEvent(display, 1, False, 0);
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

// Presses the keys together, then lets them go in reverse order.
inline void press(Display* display, std::initializer_list<KeySym> keys) {
    for (const KeySym key : keys) {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, key), True, 0);
    }
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key) {
        XTestFakeKeyEvent(display, XKeysymToKeycode(display, *key), False, 0);
    }
    XFlush(display);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

}  // namespace testing_support
