// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
#pragma once

// Real pointer and key events through XTest, as a user's hand makes them. Each gives the
// program a moment to take the event in before the driver goes on.

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <initializer_list>
#include <iterator>
#include <string_view>
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

// Types ASCII text key by key, with Shift where the keyboard's map puts a character on the
// second level, so a path such as mktemp's mixed-case one arrives as written. False when a
// character has no key on the map: the text would arrive changed.
inline bool typeText(Display* display, std::string_view text) {
    for (const char character : text) {
        const auto keysym = static_cast<KeySym>(static_cast<unsigned char>(character));
        const KeyCode code = XKeysymToKeycode(display, keysym);
        if (code == 0) {
            return false;
        }
        if (XkbKeycodeToKeysym(display, code, 0, 0) == keysym) {
            press(display, {keysym});
        } else if (XkbKeycodeToKeysym(display, code, 0, 1) == keysym) {
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, XK_Shift_L), True, 0);
            XTestFakeKeyEvent(display, code, True, 0);
            XTestFakeKeyEvent(display, code, False, 0);
            XTestFakeKeyEvent(display, XKeysymToKeycode(display, XK_Shift_L), False, 0);
            XFlush(display);
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        } else {
            return false;
        }
    }
    return true;
}

}  // namespace testing_support
