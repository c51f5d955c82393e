// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// Drives the real program on an X display as a teacher would: 10 % overselling, Run, F2 for
// the teaching window, End in its speed box for 1000 a second. Checks that the teaching window
// opens and that its summary keeps changing, places both windows, saves a screenshot of the
// whole screen with ImageMagick's import and closes the main window the way a window
// manager's close button does. Exits non-zero on the first thing that is wrong.
// Usage: teaching_e2e_driver SCREENSHOT.png SECONDS_AT_FULL_SPEED

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
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
using testing_support::pointAt;
using testing_support::press;
using testing_support::waitForMappedWindow;
using namespace std::chrono_literals;

constexpr const char* kChartTitle = "Графика — Надпродажба и коефициент на запас";

std::vector<unsigned long> pixels(Display* display, Window window, int x, int y, int width,
                                  int height) {
    std::vector<unsigned long> result;
    XImage* image = XGetImage(display, window, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (image == nullptr) {
        return result;
    }
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            result.push_back(XGetPixel(image, column, row));
        }
    }
    XDestroyImage(image);
    return result;
}

// The design's pixels, times QT_SCALE_FACTOR when the program runs scaled.
int scaled(int pixels) {
    const char* factor = std::getenv("QT_SCALE_FACTOR");
    return factor == nullptr ? pixels : static_cast<int>(pixels * std::atof(factor));
}

int fail(const char* what) {
    std::fprintf(stderr, "teaching e2e: %s\n", what);
    return 1;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        return fail("usage: teaching_e2e_driver SCREENSHOT.png SECONDS_AT_FULL_SPEED");
    }
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        return fail("no X display");
    }
    Display* x = display.get();
    const auto form = waitForMappedWindow(x, std::string(ui::kCaption));
    if (!form) {
        return fail("no window with the program's caption appeared");
    }
    XMoveWindow(x, *form, scaled(10), scaled(10));
    XSync(x, False);
    std::this_thread::sleep_for(500ms);

    // "% надпродажба" (Text2(0)) to 10, then Run (Command1(0)), then F2: pixels of the design.
    clickAt(x, *form, scaled(248), scaled(77));
    press(x, {XK_Control_L, XK_a});
    press(x, {XK_1});
    press(x, {XK_0});
    clickAt(x, *form, scaled(384), scaled(148));
    press(x, {XK_F2});
    const auto chart = waitForMappedWindow(x, kChartTitle);
    if (!chart) {
        return fail("F2 opened no window titled as the teaching window");
    }
    // Overlapping as on a teacher's desktop: the inputs, "% откази" and the buttons stay in view.
    const int kWidth = scaled(714);
    const int kHeight = scaled(553);
    XMoveResizeWindow(x, *chart, scaled(300), scaled(215), kWidth, kHeight);
    XSync(x, False);
    std::this_thread::sleep_for(700ms);
    // The speed box has the focus when the window opens; End picks "1000 в секунда".
    pointAt(x, *chart, kWidth / 2, kHeight / 2);
    press(x, {XK_End});

    std::this_thread::sleep_for(1500ms);
    const auto before = pixels(x, *chart, 0, 0, kWidth, scaled(90));
    std::this_thread::sleep_for(1000ms);
    const auto after = pixels(x, *chart, 0, 0, kWidth, scaled(90));
    if (before.empty() || before == after) {
        return fail("the teaching window's summary did not change while the run went on");
    }
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(argv[2])));
    const std::string import = std::string("import -window root '") + argv[1] + "'";
    if (std::system(import.c_str()) != 0) {
        return fail("import could not save the screenshot");
    }
    askToClose(x, *form);
    return 0;
}
