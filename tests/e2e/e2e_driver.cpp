// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors

// Drives the real program on an X display: finds its window by caption, checks the client
// size, presses Run, waits for three real ticks to show in the log, saves a screenshot and
// closes the window the way a window manager's close button does. Exits non-zero on the first
// thing that is wrong.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/main_window/form_texts.hpp"
#include "x11_input.hpp"
#include "x11_window.hpp"

namespace {

using testing_support::askToClose;
using testing_support::clickAt;
using testing_support::DisplayPtr;
using testing_support::press;
using testing_support::waitForMappedWindow;
using namespace std::chrono_literals;

// The pixels of a rectangle of the window, as packed RGB.
std::vector<unsigned char> grab(Display* display, Window window, int x, int y, int width,
                                int height) {
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    std::vector<unsigned char> rgb;
    if (image == nullptr) {
        return rgb;
    }
    rgb.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 3);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row);
            rgb.push_back(static_cast<unsigned char>((pixel & image->red_mask) >> 16U));
            rgb.push_back(static_cast<unsigned char>((pixel & image->green_mask) >> 8U));
            rgb.push_back(static_cast<unsigned char>(pixel & image->blue_mask));
        }
    }
    XDestroyImage(image);
    return rgb;
}

bool savePpm(const std::string& path, int width, int height,
             const std::vector<unsigned char>& rgb) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << ' ' << height << "\n255\n";
    out.write(reinterpret_cast<const char*>(rgb.data()), static_cast<std::streamsize>(rgb.size()));
    return static_cast<bool>(out);
}

int fail(const char* what) {
    std::fprintf(stderr, "e2e: %s\n", what);
    return 1;
}

// Looks a fifth of a second apart, for up to ten seconds, until the pixels differ from `seen`;
// the new pixels, or none.
std::optional<std::vector<unsigned char>> waitForChange(
    const std::function<std::vector<unsigned char>()>& look,
    const std::vector<unsigned char>& seen) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::vector<unsigned char> now = look();
        if (!now.empty() && now != seen) {
            return now;
        }
        std::this_thread::sleep_for(200ms);
    }
    return std::nullopt;
}

}  // namespace

// Empties the capacity box and runs, so the first tick stops the run with its message; then
// closes the window while the message is open.
int closeWithStopMessageOpen(Display* display, Window window) {
    clickAt(display, window, 248, 205);
    press(display, {XK_Control_L, XK_a});
    press(display, {XK_BackSpace});
    clickAt(display, window, 384, 148);
    if (!waitForMappedWindow(display, std::string(ui::kTitle))) {
        return fail("no stop message appeared for an empty capacity");
    }
    askToClose(display, window);
    return 0;
}

int main(int argc, char* argv[]) {
    const bool stopFirst = argc == 3 && std::string(argv[2]) == "--close-with-stop-message";
    if (argc != 2 && !stopFirst) {
        return fail("usage: e2e_driver SCREENSHOT.ppm [--close-with-stop-message]");
    }
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        return fail("no X display");
    }
    const std::string caption(ui::kCaption);
    const std::optional<Window> window = waitForMappedWindow(display.get(), caption);
    if (!window) {
        return fail("no window with the program's caption appeared");
    }

    XWindowAttributes attributes;
    XGetWindowAttributes(display.get(), *window, &attributes);
    if (attributes.width != 475 || attributes.height != 356) {
        std::fprintf(stderr, "e2e: client area is %dx%d\n", attributes.width, attributes.height);
        return fail("the client area is not 475x356");
    }

    if (stopFirst) {
        std::this_thread::sleep_for(500ms);
        return closeWithStopMessageOpen(display.get(), *window);
    }

    // The log box, Text1(0), within its frame, and the middle of the Run button, Command1(0),
    // in pixels. The frame is left out: it thins when Run takes the focus from the box, while
    // only a tick changes what is inside.
    constexpr int kFrame = 2;
    constexpr int kLogX = 8 + kFrame;
    constexpr int kLogY = 232 + kFrame;
    constexpr int kLogWidth = 449 - 2 * kFrame;
    constexpr int kLogHeight = 121 - 2 * kFrame;
    const auto log = [&] {
        return grab(display.get(), *window, kLogX, kLogY, kLogWidth, kLogHeight);
    };
    std::this_thread::sleep_for(500ms);
    clickAt(display.get(), *window, 384, 148);
    auto seen = log();
    for (int tick = 0; tick < 3; ++tick) {
        const auto changed = waitForChange(log, seen);
        if (!changed) {
            return fail("the log did not change with each of three ticks after Run");
        }
        seen = *changed;
    }

    const auto screenshot = grab(display.get(), *window, 0, 0, 475, 356);
    if (!savePpm(argv[1], 475, 356, screenshot)) {
        return fail("could not write the screenshot");
    }
    askToClose(display.get(), *window);
    return 0;
}
