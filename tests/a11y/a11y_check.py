#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# Copyright (C) 2026 The overselling authors
"""Checks the running program the way a screen reader meets it, through AT-SPI.

Run by run_a11y.sh inside its own X display, D-Bus session and accessibility bus, with the
program already started. Prints one line per check and ends with "N passed, M failed".
"""

import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, Gio, GLib  # noqa: E402
import pyatspi  # noqa: E402

PROGRAM = "overselling"
# A call the program does not answer in this time counts as a hang.
CALL_TIMEOUT_MS = 5000
CYRILLIC = re.compile("[\u0400-\u04ff]")

# What a screen reader must find: (role, accessible name).
CONTROLS = [
    ("label", "надпродажба и коефициент на запас"),
    ("label", "% надпродажба"),
    ("label", "% откази"),
    ("label", "% сигурност"),
    ("label", "брой елементи"),
    ("label", "Общ реализиран брой:"),
    ("radio button", "Надпродажба"),
    ("radio button", "Коефициент на  запас"),
    ("push button", "Изведи"),
    ("push button", "Изчисти"),
    ("text", "% надпродажба"),
    ("text", "% сигурност"),
    ("text", "брой елементи"),
    ("text", "% откази"),
    ("text", "Отчет"),
]
INPUTS = ["% надпродажба", "% сигурност", "брой елементи"]
ONE_LINE_BOXES = INPUTS + ["% откази"]
DEFAULTS = {"% надпродажба": "1", "% сигурност": "10", "брой елементи": "100", "% откази": "0"}
# Tab goes through the design's tab order; of the two options only the selected one takes
# focus, and the hidden saying none.
TAB_CYCLE = [
    ("text", "Отчет"),
    ("radio button", "Надпродажба"),
    ("text", "% надпродажба"),
    ("text", "% сигурност"),
    ("push button", "Изведи"),
    ("push button", "Изчисти"),
    ("text", "брой елементи"),
    ("text", "% откази"),
    ("text", "Отчет"),
]
BOUNDARIES = {
    "char": pyatspi.TEXT_BOUNDARY_CHAR,
    "word start": pyatspi.TEXT_BOUNDARY_WORD_START,
    "word end": pyatspi.TEXT_BOUNDARY_WORD_END,
    "sentence start": pyatspi.TEXT_BOUNDARY_SENTENCE_START,
    "sentence end": pyatspi.TEXT_BOUNDARY_SENTENCE_END,
    "line start": pyatspi.TEXT_BOUNDARY_LINE_START,
    "line end": pyatspi.TEXT_BOUNDARY_LINE_END,
}
STOP_MESSAGE = "Симулацията е спряна"
TEACHING_TITLE = "Графика — Надпродажба и коефициент на запас"
GUESS_BOX = "Прогноза на класа, %"
COPY_DATA = "Копирай данните"
# The teaching window's controls a screen reader must find, each with a description of what
# it does: (role, accessible name).
TEACHING_CONTROLS = [
    ("text", GUESS_BOX),
    ("push button", "Как се тегли?"),
    ("push button", "Запази данните…"),
    ("push button", COPY_DATA),
]


class CheckFailed(Exception):
    pass


class Hang(Exception):
    pass


def wait_for(what, condition, timeout=10.0, interval=0.1):
    """Polls until condition() is true; the last value it returned otherwise fails."""
    end = time.monotonic() + timeout
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > end:
            raise CheckFailed(f"{what}: not within {timeout:g} s")
        time.sleep(interval)


def call(what, function, *args):
    """An AT-SPI call; one the program does not answer in time is a hang."""
    try:
        return function(*args)
    except GLib.Error as error:
        if "timed out" in error.message.lower() or "timeout" in error.message.lower():
            raise Hang(f"{what}: no answer within {CALL_TIMEOUT_MS} ms ({error.message})")
        raise


class Program:
    def __init__(self):
        self.app = wait_for(f"the application '{PROGRAM}' on the accessibility bus",
                            self.find_app, timeout=30)

    @staticmethod
    def find_app():
        desktop = pyatspi.Registry.getDesktop(0)
        for index in range(desktop.childCount):
            app = desktop.getChildAtIndex(index)
            if app is not None and app.name == PROGRAM:
                return app
        return None

    def objects(self):
        """Every object of the program, freshly read: (role, name, accessible)."""
        found = []

        def walk(accessible):
            accessible.clear_cache()
            # A closed window stays on the bus, hidden, as a screen reader skips it: the
            # teaching window, once closed, has its own "Изведи" and "Изчисти".
            if accessible.getRoleName() == "frame" and \
                    not accessible.getState().contains(pyatspi.STATE_VISIBLE):
                return
            found.append((accessible.getRoleName(), accessible.name, accessible))
            for index in range(accessible.childCount):
                child = accessible.getChildAtIndex(index)
                if child is not None:
                    walk(child)

        walk(self.app)
        return found

    def find(self, role, name):
        matches = [a for r, n, a in self.objects() if r == role and n == name]
        if len(matches) != 1:
            raise CheckFailed(f"expected one {role} named {name!r}, found {len(matches)}")
        return matches[0]

    def focused(self):
        for role, name, accessible in self.objects():
            if accessible.getState().contains(pyatspi.STATE_FOCUSED):
                return (role, name)
        return None

    def text_of(self, role, name):
        text = self.find(role, name).queryText()
        return text.getText(0, -1)

    def do_action(self, role, name, action_name):
        accessible = self.find(role, name)
        action = accessible.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if action_name not in names:
            raise CheckFailed(f"{role} {name!r} has no action {action_name!r}, only {names}")
        if not action.doAction(names.index(action_name)):
            raise CheckFailed(f"{action_name} on {role} {name!r} reported failure")

    def alert(self):
        """The text of an open alert of the program, or None."""
        for role, name, accessible in self.objects():
            if role not in ("alert", "dialog"):
                continue
            texts = [name, accessible.description]
            for _, inner_name, inner in self.objects_below(accessible):
                texts.append(inner_name)
            joined = " ".join(t for t in texts if t)
            if STOP_MESSAGE in joined:
                return joined
        return None

    @staticmethod
    def objects_below(accessible):
        found = []
        for index in range(accessible.childCount):
            child = accessible.getChildAtIndex(index)
            if child is not None:
                found.append((child.getRoleName(), child.name, child))
                found.extend(Program.objects_below(child))
        return found


def attribute_dict(joined):
    """pyatspi gives text attributes as one string, "name:value; name:value"."""
    pairs = [item.split(":", 1) for item in joined.split(";") if ":" in item]
    return {name.strip(): value.strip() for name, value in pairs}


def check_names_and_roles(program):
    present = {(role, name) for role, name, _ in program.objects()}
    missing = [c for c in CONTROLS if c not in present]
    if missing:
        raise CheckFailed(f"missing controls (role, name): {missing}")
    frame = [n for r, n, _ in program.objects() if r == "frame"]
    if not frame or not CYRILLIC.search(frame[0]):
        raise CheckFailed(f"the window's name is not its Bulgarian caption: {frame}")
    states = {
        ("text", "% откази"): (pyatspi.STATE_READ_ONLY, True),
        ("text", "Отчет"): (pyatspi.STATE_READ_ONLY, True),
        ("text", "брой елементи"): (pyatspi.STATE_EDITABLE, True),
        ("radio button", "Надпродажба"): (pyatspi.STATE_CHECKED, True),
    }
    for (role, name), (state, expected) in states.items():
        has = program.find(role, name).getState().contains(state)
        if has != expected:
            raise CheckFailed(f"{role} {name!r}: state {pyatspi.stateToString(state)} "
                              f"is {has}, expected {expected}")


def check_descriptions(program):
    bad = []
    for name in INPUTS:
        description = program.find("text", name).description or ""
        if not CYRILLIC.search(description) or not re.search(r"\d", description):
            bad.append((name, description))
    if bad:
        raise CheckFailed(f"inputs without a Bulgarian description of what they hold and "
                          f"their limits: {bad}")


def check_labelled_by(program):
    bad = []
    for name in INPUTS:
        box = program.find("text", name)
        labels = []
        for relation in box.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                labels += [relation.getTarget(i) for i in range(relation.getNTargets())]
        if not any(t.getRoleName() == "label" and t.name == name for t in labels):
            bad.append((name, [(t.getRoleName(), t.name) for t in labels]))
    if bad:
        raise CheckFailed(f"inputs not labelled by their caption (input, labels): {bad}")


def check_language(program):
    address = Gio.bus_get_sync(Gio.BusType.SESSION).call_sync(
        "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
        GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, CALL_TIMEOUT_MS, None).unpack()[0]
    bus = Gio.DBusConnection.new_for_address_sync(
        address, Gio.DBusConnectionFlags.AUTHENTICATION_CLIENT |
        Gio.DBusConnectionFlags.MESSAGE_BUS_CONNECTION, None, None)
    locale = bus.call_sync(
        program.app.app.bus_name, "/org/a11y/atspi/accessible/root",
        "org.a11y.atspi.Application", "GetLocale", GLib.Variant("(u)", (0,)),
        GLib.VariantType.new("(s)"), Gio.DBusCallFlags.NONE, CALL_TIMEOUT_MS, None).unpack()[0]
    if not locale.startswith("bg"):
        raise CheckFailed(f"the application's locale is {locale!r}, not Bulgarian")
    bad = []
    for name in ONE_LINE_BOXES:
        attributes = attribute_dict(program.find("text", name).queryText().getAttributes(0)[0])
        if not attributes.get("language", "").startswith("bg"):
            bad.append((name, attributes))
    if bad:
        raise CheckFailed(f"text boxes whose text is not in Bulgarian: {bad}")
    # Qt 6.4 does not answer an object's own Locale property; say what a tool gets.
    return f"application {locale!r}, object {program.find('text', 'Отчет').get_object_locale()!r}"


def check_attribute_runs(program):
    bad = []
    for name in ONE_LINE_BOXES:
        text = program.find("text", name).queryText()
        length = text.characterCount
        if length == 0:
            bad.append((name, "empty"))
        for offset in range(length):
            _, start, end = call(f"{name}: getAttributeRun({offset})",
                                 text.getAttributeRun, offset, True)
            if (start, end) != (0, length):
                bad.append((name, offset, start, end, length))
    if bad:
        raise CheckFailed(f"attribute runs that do not cover the value "
                          f"(box, offset, start, end, length): {bad}")


def check_no_text_call_hangs(program):
    asked = 0
    for name in ONE_LINE_BOXES + ["Отчет"]:
        text = program.find("text", name).queryText()
        length = text.characterCount
        for boundary_name, boundary in BOUNDARIES.items():
            for offset in sorted({0, max(length - 1, 0), length, length + 1}):
                for method in ("getTextAtOffset", "getTextBeforeOffset", "getTextAfterOffset"):
                    call(f"{name}: {method}({offset}, {boundary_name}) of {length} characters",
                         getattr(text, method), offset, boundary)
                    asked += 1
    return f"{asked} calls answered"


def check_focus_at_start(program):
    focused = wait_for("a focused control", program.focused, timeout=10)
    if focused != TAB_CYCLE[0]:
        raise CheckFailed(f"focus at start is on {focused}, not on {TAB_CYCLE[0]}")


def check_tab_cycle(program):
    # From wherever focus is, so that a wrong start does not hide a right cycle.
    ring = TAB_CYCLE[:-1]
    start = program.focused()
    if start not in ring:
        raise CheckFailed(f"focus is on {start}, outside the Tab cycle {ring}")
    first = ring.index(start)
    expected_order = ring[first:] + ring[:first + 1]
    seen = [start]
    for expected in expected_order[1:]:
        subprocess.run(["xdotool", "key", "Tab"], check=True)
        try:
            wait_for(f"focus on {expected}", lambda e=expected: program.focused() == e,
                     timeout=3)
        except CheckFailed:
            seen.append(program.focused())
            raise CheckFailed(f"Tab went through {seen}, expected {expected_order}")
        seen.append(expected)


def wait_for_ticks(program, count):
    """Waits until the log has grown by count lines, the run going."""
    before = program.text_of("text", "Отчет").count("\n")
    wait_for(f"{count} ticks in the log",
             lambda: program.text_of("text", "Отчет").count("\n") >= before + count,
             timeout=count + 3)


def check_toggle_reaches_option_click(program):
    safety = program.find("text", "% сигурност").queryEditableText()
    safety.setTextContents("20")
    wait_for("the edited safety percentage", lambda: program.text_of("text", "% сигурност") == "20")
    program.do_action("push button", "Изведи", "Press")
    wait_for_ticks(program, 1)
    program.do_action("radio button", "Коефициент на  запас", "Toggle")
    option = program.find("radio button", "Коефициент на  запас")
    wait_for("the safety-margin case selected",
             lambda: option.getState().contains(pyatspi.STATE_CHECKED), timeout=5)
    try:
        wait_for("the log emptied", lambda: program.text_of("text", "Отчет") == "", timeout=5)
    except CheckFailed:
        raise CheckFailed("Toggle selected the option but did not run the option's click: "
                          f"the log still holds {program.text_of('text', 'Отчет')[:40]!r}")
    shown = {name: program.text_of("text", name) for name in DEFAULTS}
    if shown != DEFAULTS:
        raise CheckFailed(f"after Toggle the boxes hold {shown}, not the defaults {DEFAULTS}")
    time.sleep(2.5)
    if program.text_of("text", "Отчет") != "":
        raise CheckFailed("after Toggle the run went on: the log grows again")


def teaching_window(program):
    """The teaching window's frame while it is shown, or None."""
    frames = [a for r, n, a in program.objects() if r == "frame" and n == TEACHING_TITLE]
    return frames[0] if frames else None


def find_in_teaching(program, role, name):
    """Only in the teaching window: the main window has its own "Изведи" and "Изчисти"."""
    window = wait_for("the teaching window", lambda: teaching_window(program), timeout=5)
    matches = [a for r, n, a in Program.objects_below(window) if r == role and n == name]
    if len(matches) != 1:
        raise CheckFailed(f"expected one {role} named {name!r} in the teaching window, "
                          f"found {len(matches)}")
    return matches[0]


def summary_text(program):
    """The teaching window's summary line, which names itself by its text."""
    window = teaching_window(program)
    if window is None:
        return ""
    for role, name, _ in Program.objects_below(window):
        if role == "label" and name and name.startswith("Тегления:"):
            return name
    return ""


def focus_window_named(title):
    """Gives the keyboard to the program's shown window with exactly this title."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", sys.argv[1],
                            "--name", "."], capture_output=True, text=True, timeout=30).stdout
    for window in found.split():
        name = subprocess.run(["xdotool", "getwindowname", window], capture_output=True,
                              text=True, timeout=30).stdout.strip()
        if name == title:
            subprocess.run(["xdotool", "windowfocus", "--sync", window], check=True, timeout=30)
            return
    raise CheckFailed(f"no shown window titled {title!r} to give the keyboard to")


def check_teaching_window_opens(program):
    # F2 from the main window, as a teacher opens it.
    subprocess.run(["xdotool", "key", "F2"], check=True)
    wait_for("the teaching window after F2", lambda: teaching_window(program), timeout=10)
    wait_for("the teaching window's summary", lambda: summary_text(program), timeout=5)


def check_teaching_controls(program):
    bad = []
    for role, name in TEACHING_CONTROLS:
        description = find_in_teaching(program, role, name).description or ""
        if not description.strip():
            bad.append((role, name))
    if bad:
        raise CheckFailed(f"teaching window controls without a description: {bad}")


def check_guess_reaches_summary(program):
    guess = find_in_teaching(program, "text", GUESS_BOX)
    guess.queryEditableText().setTextContents("10")
    try:
        wait_for("the guess in the summary",
                 lambda: "прогноза на класа: 10" in summary_text(program), timeout=5)
    except CheckFailed:
        raise CheckFailed(f"after setting the guess to 10 the summary reads "
                          f"{summary_text(program)!r}")
    if "очакван дял:" not in summary_text(program):
        raise CheckFailed(f"the summary names no expected share: {summary_text(program)!r}")
    return summary_text(program)


def check_copy_data_says_copied(program):
    button = find_in_teaching(program, "push button", COPY_DATA)
    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "Press" not in names:
        raise CheckFailed(f"{COPY_DATA!r} has no action Press, only {names}")
    if not action.doAction(names.index("Press")):
        raise CheckFailed(f"Press on {COPY_DATA!r} reported failure")

    def name_now():
        button.clear_cache()
        return button.name

    try:
        wait_for("the button named Копирано", lambda: name_now() == "Копирано", timeout=3,
                 interval=0.05)
    except CheckFailed:
        raise CheckFailed(f"after Press the button is named {name_now()!r}, not 'Копирано'")


def check_teaching_window_closes(program):
    # The keyboard on the teaching window, as after F2, whatever the checks above did with it.
    focus_window_named(TEACHING_TITLE)
    # Should an earlier check have left it presenting, the first Escape only leaves
    # presentation, which shows the case and inputs.
    inputs = find_in_teaching(program, "label", "Случай и стойности")
    if inputs.getState().contains(pyatspi.STATE_SHOWING):
        subprocess.run(["xdotool", "key", "Escape"], check=True)

        def presenting():
            inputs.clear_cache()
            return inputs.getState().contains(pyatspi.STATE_SHOWING)

        wait_for("presentation left after Escape", lambda: not presenting(), timeout=5)
        if teaching_window(program) is None:
            raise CheckFailed("Escape in presentation closed the window instead of leaving it")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    try:
        wait_for("the teaching window gone after Escape",
                 lambda: teaching_window(program) is None, timeout=5)
    except CheckFailed:
        window = teaching_window(program)
        raise CheckFailed(f"after Escape the teaching window is still there, states "
                          f"{[pyatspi.stateToString(s) for s in window.getState().getStates()]}")
    # The main window takes the keyboard back for the checks that follow.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", sys.argv[1],
                    "--name", ".", "windowfocus", "--sync"], check=True, timeout=30)


def check_emptied_capacity_stops_run(program):
    program.do_action("push button", "Изведи", "Press")
    wait_for_ticks(program, 1)
    capacity = program.find("text", "брой елементи").queryEditableText()
    capacity.setTextContents("")
    if program.text_of("text", "брой елементи") != "":
        raise CheckFailed("setTextContents did not empty the capacity box")
    try:
        message = wait_for("the stop alert", program.alert, timeout=6)
    except CheckFailed:
        raise CheckFailed("emptying the capacity through AT-SPI while running did not stop the "
                          "run with its alert")
    lines = program.text_of("text", "Отчет").count("\n")
    time.sleep(2.5)
    if program.text_of("text", "Отчет").count("\n") != lines:
        raise CheckFailed("the log goes on growing after the stop alert")
    return message[:80]


CHECKS = [
    ("names and roles", check_names_and_roles),
    ("descriptions of the inputs", check_descriptions),
    ("inputs labelled by their captions", check_labelled_by),
    ("language Bulgarian", check_language),
    ("attribute runs cover the values", check_attribute_runs),
    ("focus at start on the log", check_focus_at_start),
    ("Tab cycle", check_tab_cycle),
    ("Toggle on the safety-margin option runs its click", check_toggle_reaches_option_click),
    ("F2 opens the teaching window", check_teaching_window_opens),
    ("teaching window controls found and described", check_teaching_controls),
    ("the guess set through EditableText reaches the summary", check_guess_reaches_summary),
    ("Press on \"Копирай данните\" renames it \"Копирано\"", check_copy_data_says_copied),
    ("Escape closes the teaching window", check_teaching_window_closes),
    ("an emptied capacity stops the run with its alert", check_emptied_capacity_stops_run),
    # Last: a hang freezes the program for good.
    ("no text call hangs at the edges of a text", check_no_text_call_hangs),
]


def main():
    Atspi.set_timeout(CALL_TIMEOUT_MS, 30000)
    program = Program()
    # The window takes keyboard focus as a desktop would give it on start.
    subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid", sys.argv[1],
                    "--name", ".", "windowfocus", "--sync"], check=True, timeout=30)
    passed = failed = 0
    for title, check in CHECKS:
        try:
            note = check(program)
            passed += 1
            print(f"PASS  {title}" + (f": {note}" if note else ""))
        except Hang as hang:
            failed += 1
            print(f"FAIL  {title}: the program hangs: {hang}")
            break
        except Exception as error:  # pylint: disable=broad-except
            failed += 1
            print(f"FAIL  {title}: {type(error).__name__}: {error}")
        sys.stdout.flush()
    print(f"a11y: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
