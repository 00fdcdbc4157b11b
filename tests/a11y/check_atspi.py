#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Starts Korvane and reads it through the accessibility tree (AT-SPI), as a
screen reader would: every control is found by its name, Start is pressed
through the action interface, and the problem, the answers, the feedback, the
popup and the results reach the tree, while the answer clock raises no events.

    check_atspi.py PROGRAM

Needs a display (X or Wayland), a D-Bus session bus and python3-gi with
Atspi 2.0; prints what it finds and exits 1 on any failed check. With
KORVANE_CHECK_SOUND=1 it also checks that the chime of a right answer and the
bell of a miss reach the sound server as streams (pactl).
"""

import collections
import os
import re
import subprocess
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

failures = []


def check(ok, what):
    print(("ok    " if ok else "FAIL  ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(probe, timeout=10.0):
    """The first true value of probe() within timeout seconds, else None."""
    end = time.monotonic() + timeout
    while True:
        pump()
        try:
            value = probe()
        except GLib.Error:
            value = None
        if value:
            return value
        if time.monotonic() > end:
            return None
        time.sleep(0.05)


def fresh(acc):
    acc.clear_cache()
    return acc


def name(acc):
    return fresh(acc).get_name() or ""


def description(acc):
    return fresh(acc).get_description() or ""


def has_state(acc, state):
    return fresh(acc).get_state_set().contains(state)


def descendants(acc):
    for i in range(acc.get_child_count()):
        child = acc.get_child_at_index(i)
        if child is None:
            continue
        yield child
        yield from descendants(child)


def find(root, role, wanted):
    for acc in descendants(root):
        if acc.get_role_name() == role and name(acc) == wanted:
            return acc
    return None


def text_field(root, wanted):
    for acc in descendants(root):
        if acc.get_role_name() == "text" and name(acc) == wanted:
            return acc
    return None


def window(app, title):
    for i in range(app.get_child_count()):
        top = app.get_child_at_index(i)
        if top is not None and name(top) == title and has_state(top, Atspi.StateType.SHOWING):
            return top
    return None


def press(acc):
    """Runs the control's press action, as a screen reader's "activate"."""
    for i in range(Atspi.Action.get_n_actions(acc)):
        with warnings.catch_warnings():
            # Deprecated for a successor that this version does not export.
            warnings.simplefilter("ignore", DeprecationWarning)
            action = Atspi.Action.get_action_name(acc, i)
        if action.lower() in ("press", "click"):
            return Atspi.Action.do_action(acc, i)
    return False


def playing():
    """The properties of the streams the sound server is playing, as text."""
    result = subprocess.run(["pactl", "list", "sink-inputs"], capture_output=True, text=True, timeout=5)
    return result.stdout


def heard(what, marker):
    """Checks that a stream whose properties hold marker plays within a few
    seconds; the sounds are short, so the server is asked often."""
    if os.environ.get("KORVANE_CHECK_SOUND") != "1":
        return
    check(wait_for(lambda: marker in playing(), 5) is not None, f"the sound server plays {what}")


def solve(problem):
    match = re.fullmatch(r"(\d+) ([+x-]) (\d+)", problem)
    if not match:
        return None
    a, op, b = int(match.group(1)), match.group(2), int(match.group(3))
    return {"+": a + b, "-": a - b, "x": a * b}[op]


class Events:
    """Name and description changes the program reports, in order. Qt sends
    the new name with its event, but for a description only the object: a
    reader asks for the description when the event comes."""

    def __init__(self):
        self.seen = []
        self.listener = Atspi.EventListener.new(self.on_event)
        for kind in ("object:property-change:accessible-name", "object:property-change:accessible-description"):
            self.listener.register(kind)

    def on_event(self, event):
        try:
            source = event.source.get_name() or ""
        except GLib.Error:
            source = "?"
        self.seen.append((source, event.type.rsplit(":", 1)[-1]))

    def of(self, source, prop=None, since=0):
        return [p for s, p in self.seen[since:] if s == source and (prop is None or p == prop)]


def main():
    program = sys.argv[1]
    Atspi.get_desktop(0)  # brings the accessibility bus up before the program
    # Listening before the program starts: it then sends these events at once.
    events = Events()

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    with open(os.environ.get("KORVANE_ATSPI_LOG", os.devnull), "w") as log:
        proc = subprocess.Popen([program], env=env, stdout=log, stderr=log)
        try:
            run_checks(proc, events)
        finally:
            proc.terminate()
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
    print(f"{len(failures)} failed check(s)" if failures else "all checks passed")
    return 1 if failures else 0


def find_app(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and (app.get_name() or "").lower() == "korvane" and app.get_process_id() == pid:
            return app
    return None


def run_checks(proc, events):
    app = wait_for(lambda: find_app(proc.pid), 20)
    if not check(app is not None, 'application "korvane" is in the accessibility tree'):
        return
    main = wait_for(lambda: window(app, "Belquist:Korvane"), 20)
    if not check(main is not None, 'main window "Belquist:Korvane"'):
        return

    # ---- every control by its name ----------------------------------------
    expected = [("push button", n) for n in ("Start", "Pause", "Reset", "Results", "Select All", "Unselect")]
    expected += [("push button", f"Answer {i}") for i in (1, 2, 3)]
    expected += [("label", n) for n in ("Problem", "Time left", "Score")]
    expected += [("check box", f"Number {i}") for i in range(1, 11)] + [("check box", "Plus ten")]
    expected += [("radio button", n) for n in ("Addition", "Subtraction", "Multiplication")]
    expected += [("radio button", n) for n in ("Time", "Number", "More", "Less")]
    expected += [("image", n) for n in ("Belquist logo", "Three question marks", "Smiling face", "Surprised face")]
    found = {}
    for role, wanted in expected:
        found[wanted] = find(main, role, wanted)
        check(found[wanted] is not None, f"{role} {wanted!r}")

    # Qt on Linux names a combo box by its text and labels it by relation.
    for label in ("MaxTime", "MaxNumber", "Wrong", "Right", "TimeLimit"):
        combo = None
        for acc in descendants(main):
            if acc.get_role_name() != "combo box":
                continue
            for relation in acc.get_relation_set():
                if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY and any(
                    name(relation.get_target(t)) == label for t in range(relation.get_n_targets())
                ):
                    combo = acc
        field = combo and next((c for c in descendants(combo) if c.get_role_name() == "text"), None)
        check(combo is not None and field is not None and name(field) == label,
              f"combo box labelled by {label!r}, its text field named {label!r}")

    nameless = [acc.get_role_name() for acc in descendants(main)
                if acc.get_role_name() in ("push button", "check box", "radio button", "combo box", "text", "image",
                                           "label", "panel")
                and not name(acc)]
    check(not nameless, f"no nameless control on the main window {nameless}")

    problem, clock, score = found["Problem"], found["Time left"], found["Score"]
    answers = [found[f"Answer {i}"] for i in (1, 2, 3)]
    if None in (problem, clock, score, found["Start"]) or None in answers:
        return
    print(f"      before Start: problem {description(problem)!r}, answers "
          f"{[description(a) for a in answers]}, clock {description(clock)!r}")
    check(description(problem) == "Tallyquip", "the problem label shows the title before the first problem")
    check(not has_state(answers[0], Atspi.StateType.ENABLED), "the answer buttons are disabled before Start")

    # Half a minute to answer, typed through the editable text: no time-out
    # comes while the checks below take their time.
    limit = text_field(main, "TimeLimit")
    check(limit is not None and Atspi.EditableText.set_text_contents(limit, "30"),
          "TimeLimit set to 30 through its editable text")

    # ---- Start through the action interface -------------------------------
    check(press(found["Start"]), "Start pressed through its action")
    shown = wait_for(lambda: solve(description(problem)) is not None and description(problem))
    check(bool(shown), f"the problem label's description is a problem: {shown!r}")
    values = wait_for(lambda: all(description(a).isdigit() for a in answers) and [description(a) for a in answers])
    check(bool(values) and values != ["1", "2", "3"], f"the answer buttons describe their values: {values}")
    check(all(has_state(a, Atspi.StateType.ENABLED) for a in answers), "the answer buttons are enabled")
    check(len(events.of("Problem", "accessible-description")) > 0,
          "the new problem was reported as a description change of the problem label")
    if not shown or not values:
        return

    # The clock counts down on screen and to a reader who asks, silently.
    time.sleep(2.5)
    pump()
    ticking = description(clock)
    check(re.fullmatch(r"Time:\s+\d+", ticking) is not None, f"the clock reads {ticking!r} when asked")
    check(events.of("Time left") == [], f"the clock raised no name or description events {events.of('Time left')}")

    def answer(right):
        problem_now = description(problem)
        result = str(solve(problem_now))
        current = [description(a) for a in answers]
        slot = current.index(result) if right else next(i for i, v in enumerate(current) if v != result)
        print(f"      answering {problem_now} with {current[slot]} (Answer {slot + 1})")
        before = len(events.seen)
        press(answers[slot])
        return problem_now, before

    # Each answer is followed by the next problem.
    asked, before = answer(True)
    heard("the chime", 'chime.wav"')
    check(wait_for(lambda: description(score) == "Score:  1 / 1") is not None,
          f"the score reads {description(score)!r} after a right answer")
    # "Correct!", then the next problem: two changes, both reported.
    check(wait_for(lambda: len(events.of("Problem", "accessible-description", before)) >= 2) is not None,
          "'Correct!' and the next problem were reported as two description changes")
    check(wait_for(lambda: events.of("Score", "accessible-description", before)) is not None,
          "the new score was reported")

    asked, before = answer(False)
    heard("the bell", 'event.id = "bell-window-system"')
    popup = wait_for(lambda: window(app, "Belquist:MessageBox"))
    if check(popup is not None, "the popup window appeared"):
        line = f"{asked} = {solve(asked)}"
        check(find(popup, "label", "Wrong Answer") is not None, "the popup's headline reads 'Wrong Answer'")
        # The answer line has a fixed name of two words, so a screen reader
        # reads it once, with OK, not again among the window's labels.
        answer_line = find(popup, "label", "Right answer")
        check(answer_line is not None and description(answer_line) == line,
              f"the popup's answer line 'Right answer' reads {line!r}")
        ok = find(popup, "push button", "OK")
        check(ok is not None and description(ok) == f"Wrong Answer. {line}",
              f"OK carries the headline and the answer line: {ok and description(ok)!r}")
        if ok is not None:
            press(ok)
            check(wait_for(lambda: window(app, "Belquist:MessageBox") is None) is not None, "OK dismissed the popup")
    check(wait_for(lambda: description(score) == "Score:  1 / 2") is not None,
          f"the score reads {description(score)!r} after a wrong answer")

    # Pause, the results and Reset.
    press(found["Pause"])
    check(wait_for(lambda: has_state(found["Results"], Atspi.StateType.ENABLED)) is not None,
          "Pause opened the settings again")
    check(wait_for(lambda: description(clock) == "Time") is not None, "the clock reads 'Time' after Pause")
    press(found["Results"])
    results = wait_for(lambda: window(app, "ScoreResults"))
    if check(results is not None, "the results window appeared"):
        totals = "Results grid. Total Right= 1 Total Problems= 2"
        grid = wait_for(lambda: find(results, "table", totals))
        if check(grid is not None, f"the results grid is a table named {totals!r}"):
            rows, columns = Atspi.Table.get_n_rows(grid), Atspi.Table.get_n_columns(grid)
            check((rows, columns) == (10, 10), f"it has 10 rows and 10 columns: {rows} x {columns}")
            cell = Atspi.Table.get_accessible_at(grid, 6, 4)
            header = Atspi.Table.get_column_header(grid, 4)
            check(cell is not None and re.fullmatch(r"7 \+ 5: \d+ right of \d+", name(cell)) is not None,
                  f"row 7, column 5 reads the fact 7 + 5 with its counts: {cell and name(cell)!r}")
            check(header is not None and name(header) == "5", "its column header reads '5'")
        close = find(results, "push button", "Close")
        if check(close is not None, "push button 'Close' on the results window"):
            press(close)
            check(wait_for(lambda: window(app, "ScoreResults") is None) is not None, "Close closed the results")
    press(found["Reset"])
    check(wait_for(lambda: description(score) == "Score") is not None, "Reset put the score back to 'Score'")

    # During a run the next problem replaces "Correct!" and "Wrong!" at
    # once; at the end of a run they stay. Runs of one problem, with the
    # limit typed through the text field's editable text.
    field = text_field(main, "MaxNumber")
    if not check(field is not None and Atspi.EditableText.set_text_contents(field, "1"),
                 "MaxNumber set to 1 through its editable text"):
        return
    for right, feedback in ((True, "Correct!"), (False, "Wrong!")):
        check(not has_state(answers[0], Atspi.StateType.ENABLED), "the answer buttons are disabled between runs")
        press(found["Start"])
        check(wait_for(lambda: has_state(answers[0], Atspi.StateType.ENABLED)) is not None, "a new run began")
        check(solve(description(problem)) is not None, f"it shows a problem: {description(problem)!r}")
        asked, _ = answer(right)
        check(wait_for(lambda: description(problem) == feedback) is not None,
              f"the problem label reads {feedback!r} at the end of the run: {description(problem)!r}")
        if not right:
            popup = wait_for(lambda: window(app, "Belquist:MessageBox"))
            ok = popup and find(popup, "push button", "OK")
            check(bool(ok) and description(ok) == f"Wrong Answer. {asked} = {solve(asked)}",
                  f"the popup says {ok and description(ok)!r}")
            if ok:
                press(ok)
        press(found["Reset"])
        wait_for(lambda: description(score) == "Score")

    tally = collections.Counter(f"{source or '(nameless)'} {prop}" for source, prop in events.seen)
    print(f"      {len(events.seen)} name/description events: "
          + ", ".join(f"{what} x{count}" for what, count in sorted(tally.items())))


if __name__ == "__main__":
    sys.exit(main())
