// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The overselling authors
// Drives the real program on an X display as a teacher would, with the keyboard only (real key
// events through XTest): 10 % overselling in the main window, F2 for the teaching window, End
// in its speed box for 1000 a second, F7 to hide the expected share, a guess typed into the
// guess box, F5 to run, F5 to pause, F6 three times, F5 to go on, the data saved as CSV through
// the context menu (Shift+F10) and its file dialog, F11 for presentation and Escape out of it,
// Escape to close the teaching window, F2 to open it again. Checks what X shows: the windows
// appearing and going, the pictures changing while the run goes, standing still while paused
// and moving by a step on F6, presentation changing the window's layout and Escape putting it
// back, and the CSV file's first line. Each check waits for what should happen, up to a limit,
// rather than for a fixed time. Saves a screenshot of the whole screen with ImageMagick's import
// and closes the main window the way a window manager's close button does. Exits non-zero on
// the first thing that is wrong.
// Usage: teaching_e2e_driver SCREENSHOT.png SECONDS_AT_FULL_SPEED DATA.csv

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ui/main_window/form_texts.hpp"
#include "x11_input.hpp"
#include "x11_window.hpp"

namespace {

using testing_support::askToClose;
using testing_support::DisplayPtr;
using testing_support::findMappedWindow;
using testing_support::Geometry;
using testing_support::press;
using testing_support::screenGeometry;
using testing_support::typeText;
using testing_support::waitForMappedWindow;
using testing_support::waitForNoMappedWindow;
using testing_support::windowGeometry;
using namespace std::chrono_literals;

constexpr const char* kChartTitle = "Графика — Надпродажба и коефициент на запас";
constexpr const char* kSaveDataTitle = "Запази данните";
// "Запази данните…" in the teaching window's context menu: after the five window actions
// (pause, step, hide, presentation, experiments) and the separator, the fourth of the data
// items.
constexpr int kSaveDataMenuDowns = 9;

using Picture = std::vector<unsigned long>;

// Empty where X cannot give the pixels, as for a window no longer shown.
Picture pixels(Display* display, Window window, int x, int y, int width, int height) {
    Picture result;
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

// A window that goes away while the driver looks at it makes X report an error, which would end
// the driver before the check that says what went wrong.
int ignoreXError(Display* /*display*/, XErrorEvent* /*error*/) {
    return 0;
}

// Looks a fifth of a second apart, for up to ten seconds, until a look is `wanted`; that look, or
// none.
std::optional<Picture> waitFor(const std::function<Picture()>& look,
                               const std::function<bool(const Picture&)>& wanted) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        Picture now = look();
        if (!now.empty() && wanted(now)) {
            return now;
        }
        std::this_thread::sleep_for(200ms);
    }
    return std::nullopt;
}

// The pictures once they have come to rest, three looks in a row alike, which a run at full
// speed never gives; none if they do not rest within ten seconds.
std::optional<Picture> restingPicture(const std::function<Picture()>& look) {
    Picture last = look();
    int alike = 0;
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::this_thread::sleep_for(200ms);
        Picture now = look();
        alike = !now.empty() && now == last ? alike + 1 : 0;
        if (alike == 2) {
            return now;
        }
        last = std::move(now);
    }
    return std::nullopt;
}

// F7 shows the expected share and F7 hides it again. The program takes keys in order, so once
// the pictures have changed and come back to `resting`, it has taken in both keys and nothing
// else moved them; a draw in between would keep them from ever coming back.
bool standStillThroughTwoKeys(Display* display, const std::function<Picture()>& look,
                              const Picture& resting) {
    press(display, {XK_F7});
    if (!waitFor(look, [&](const Picture& now) { return now != resting; })) {
        return false;
    }
    press(display, {XK_F7});
    return waitFor(look, [&](const Picture& now) { return now == resting; }).has_value();
}

// Waits up to ten seconds for the file to hold a whole first line.
std::string firstLineOf(const char* path) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::ifstream file(path, std::ios::binary);
        std::string line;
        if (file && std::getline(file, line) && !file.eof()) {
            return line;
        }
        std::this_thread::sleep_for(100ms);
    }
    return {};
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        return fail("usage: teaching_e2e_driver SCREENSHOT.png SECONDS_AT_FULL_SPEED DATA.csv");
    }
    const char* const dataPath = argv[3];
    const DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) {
        return fail("no X display");
    }
    Display* x = display.get();
    XSetErrorHandler(ignoreXError);
    const auto form = waitForMappedWindow(x, std::string(ui::kCaption));
    if (!form) {
        return fail("no window with the program's caption appeared");
    }
    XMoveWindow(x, *form, scaled(10), scaled(10));
    // The pointer out of the way, in the screen's corner: no tooltip over the pictures.
    XWarpPointer(x, None, DefaultRootWindow(x), 0, 0, 0, 0, screenGeometry(x).width - 1, 0);
    // The keyboard's focus on the main window, as a desktop gives it to a program on start.
    XSetInputFocus(x, *form, RevertToParent, CurrentTime);
    XSync(x, False);
    std::this_thread::sleep_for(500ms);

    // From the log, where the focus starts, Tab goes to the option and then to
    // "% надпродажба": 10 there.
    press(x, {XK_Tab});
    press(x, {XK_Tab});
    press(x, {XK_Control_L, XK_a});
    press(x, {XK_1});
    press(x, {XK_0});
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
    const std::function<Picture()> picture = [&] {
        return pixels(x, *chart, 0, 0, kWidth, kHeight);
    };
    // The speed box has the focus when the window opens; End picks "1000 тегления в секунда".
    press(x, {XK_End});
    press(x, {XK_F7});
    // Before the run Pause is disabled, so two Tabs go through "Една стъпка" to the guess box;
    // one more leaves it for "Експерименти", where no cursor blinks in the pictures.
    press(x, {XK_Tab});
    press(x, {XK_Tab});
    if (!typeText(x, "10")) {
        return fail("the guess could not be typed");
    }
    press(x, {XK_Tab});
    std::this_thread::sleep_for(300ms);
    const auto idle = picture();
    press(x, {XK_F5});

    // The run changes the pictures, and then changes them again: a single change could be the
    // buttons alone.
    const auto started = waitFor(picture, [&](const Picture& now) { return now != idle; });
    if (!started || !waitFor(picture, [&](const Picture& now) { return now != *started; })) {
        return fail("the teaching window's pictures did not change while the run went on");
    }

    press(x, {XK_F5});
    const auto paused = restingPicture(picture);
    if (!paused || !standStillThroughTwoKeys(x, picture, *paused)) {
        return fail("the pictures went on changing after F5 paused the run");
    }
    for (int step = 0; step < 3; ++step) {
        press(x, {XK_F6});
    }
    if (!waitFor(picture, [&](const Picture& now) { return now != *paused; })) {
        return fail("F6 while paused did not move the pictures by a step");
    }
    const auto stepped = restingPicture(picture);
    if (!stepped || !standStillThroughTwoKeys(x, picture, *stepped)) {
        return fail("the run went on after F6: a step is one tick, not a resume");
    }
    press(x, {XK_F5});
    if (!waitFor(picture, [&](const Picture& now) { return now != *stepped; })) {
        return fail("F5 did not resume the paused run");
    }
    // At full speed for a while, so the screenshot shows a run well under way.
    std::this_thread::sleep_for(std::chrono::seconds(std::atoi(argv[2])));

    // The focus is on a button, which has no menu of its own, so the window's menu opens.
    press(x, {XK_Shift_L, XK_F10});
    std::this_thread::sleep_for(300ms);
    for (int down = 0; down < kSaveDataMenuDowns; ++down) {
        press(x, {XK_Down});
    }
    press(x, {XK_Return});
    const auto dialog = waitForMappedWindow(x, kSaveDataTitle);
    if (!dialog) {
        return fail("the context menu's \"Запази данните…\" opened no file dialog");
    }
    std::this_thread::sleep_for(700ms);
    // The file name box has the focus and its proposed name selected.
    press(x, {XK_Control_L, XK_a});
    if (!typeText(x, dataPath)) {
        return fail("the data file's path could not be typed");
    }
    press(x, {XK_Return});
    if (!waitForNoMappedWindow(x, kSaveDataTitle)) {
        return fail("the file dialog stayed open after Enter");
    }
    // Without a window manager nobody hands the keyboard back to the window under a closed
    // dialog; a desktop does.
    XSetInputFocus(x, *chart, RevertToParent, CurrentTime);
    XSync(x, False);
    std::this_thread::sleep_for(300ms);
    const std::string line = firstLineOf(dataPath);
    // The header is one CSV field: quoted, as any field, when it holds the field separator or
    // "; ", which it does once there are draws.
    const bool header = line.rfind("\xEF\xBB\xBFНадпродажба: ", 0) == 0 ||
                        line.rfind("\xEF\xBB\xBF\"Надпродажба: ", 0) == 0;
    if (!header) {
        std::fprintf(stderr, "teaching e2e: first line of %s: '%s'\n", dataPath, line.c_str());
        return fail("the saved CSV does not start with a BOM and a line naming the case");
    }

    const std::string import = std::string("import -window root '") + argv[1] + "'";
    if (std::system(import.c_str()) != 0) {
        return fail("import could not save the screenshot");
    }

    // Presentation, paused so that only the mode changes the pixels. Without a window manager
    // nobody resizes a window to full screen (Qt leaves that to the manager), so what shows
    // the mode is the window's own layout: the case and inputs and the main window's buttons
    // appear, and Escape takes them away.
    press(x, {XK_F5});
    const auto windowed = restingPicture(picture);
    if (!windowed) {
        return fail("F5 did not pause the run before presentation");
    }
    const Geometry windowedGeometry = windowGeometry(x, *chart);
    press(x, {XK_F11});
    if (!waitFor(picture, [&](const Picture& now) { return now != *windowed; })) {
        return fail("F11 did not put the teaching window into presentation");
    }
    const auto presenting = restingPicture(picture);
    if (!presenting) {
        return fail("the teaching window did not come to rest in presentation");
    }
    press(x, {XK_Escape});
    // Not pixel for pixel as before: "Експерименти", hidden while presenting, had the focus.
    const auto left = waitFor(picture, [&](const Picture& now) {
        return now != *presenting && windowGeometry(x, *chart) == windowedGeometry;
    });
    if (!findMappedWindow(x, kChartTitle)) {
        return fail("Escape in presentation closed the teaching window instead of leaving it");
    }
    if (!left) {
        return fail("Escape did not take the teaching window out of presentation");
    }
    press(x, {XK_Escape});
    if (!waitForNoMappedWindow(x, kChartTitle)) {
        return fail("Escape did not close the teaching window");
    }
    // The main window is still there and takes keys: F2 in it opens the teaching window again.
    XSetInputFocus(x, *form, RevertToParent, CurrentTime);
    XSync(x, False);
    press(x, {XK_F2});
    if (!findMappedWindow(x, std::string(ui::kCaption)) || !waitForMappedWindow(x, kChartTitle)) {
        return fail("closing the teaching window took the main window with it");
    }
    press(x, {XK_Escape});
    if (!waitForNoMappedWindow(x, kChartTitle)) {
        return fail("Escape did not close the teaching window opened again");
    }
    askToClose(x, *form);
    return 0;
}
