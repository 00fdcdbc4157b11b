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
bell of a miss reach the sound server as streams (pactl). With
KORVANE_DESKTOP=gnome or kwin it first starts that desktop's compositor
(desktops.py) and plays on it, and checks which window the desktop keeps on
top when the pupil clicks the main window: the main window over a popup after
a miss and over the results, the popup of a time-out over the main window.
Screenshots and logs go to KORVANE_ATSPI_OUT.
"""

import collections
import contextlib
import os
import re
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

from atspi_support import (  # noqa: E402
    Events, check, description, descendants, failures, find, fresh, has_state, heard, name, press, pump, solve,
    text_field, wait_for, window)


# Roles are compared as values: their wording changes between versions of
# the accessibility bus ("push button", later "button").
Role = Atspi.Role
MAIN, POPUP, RESULTS = "Belquist:Korvane", "Belquist:MessageBox", "ScoreResults"
OUT = os.environ.get("KORVANE_ATSPI_OUT", tempfile.gettempdir())


def main():
    program = sys.argv[1]
    with contextlib.ExitStack() as stack:
        desktop = None
        kind = os.environ.get("KORVANE_DESKTOP")
        if kind:
            import desktops

            started = time.monotonic()
            folder = stack.enter_context(tempfile.TemporaryDirectory(dir=os.environ.get("XDG_RUNTIME_DIR")))
            try:
                desktop = desktops.start(kind, folder, os.path.join(OUT, f"{kind}.log"))
            except desktops.Unsupported as reason:
                print(f"SKIP: {reason}")
                return 77
            stack.callback(desktop.stop)
            print(f"      {kind} compositor up in {time.monotonic() - started:.1f} s")
        run_program(program, desktop)
    print(f"{len(failures)} failed check(s)" if failures else "all checks passed")
    return 1 if failures else 0


def run_program(program, desktop):
    Atspi.get_desktop(0)  # brings the accessibility bus up before the program
    # Listening before the program starts: it then sends these events at once.
    events = Events()

    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    if desktop is not None:
        # As in that desktop's session: Qt picks its platform theme and
        # title bar by it.
        env["XDG_CURRENT_DESKTOP"] = {"gnome": "GNOME", "kwin": "KDE"}[desktop.kind]
    with open(os.environ.get("KORVANE_ATSPI_LOG", os.devnull), "w") as log:
        proc = subprocess.Popen([program], env=env, stdout=log, stderr=log)
        try:
            run_checks(proc, events, desktop)
        finally:
            proc.terminate()
            try:
                proc.wait(timeout=10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()


def find_app(pid):
    """The program's application on the bus that holds its windows. Under
    GNOME, Qt's GTK platform theme registers a second, empty one."""
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if (app is not None and (app.get_name() or "").lower() == "korvane" and app.get_process_id() == pid
                and fresh(app).get_child_count() > 0):
            return app
    return None


def covers(desktop, upper, lower, what, shown, picture):
    """After a click on the main window: checks that the desktop shows upper
    above lower, once the activation has had its time. The click comes once
    the window just shown has taken the focus, as a pupil's would."""
    wait_for(lambda: has_state(shown, Atspi.StateType.ACTIVE), 3)
    # Where the desktop put the window just shown, for the eye.
    time.sleep(0.5)
    desktop.screenshot(os.path.join(OUT, "shown-" + picture))
    desktop.activate(MAIN)
    time.sleep(0.5)
    order = desktop.stacking()
    shot = os.path.join(OUT, picture)
    check(desktop.screenshot(shot), f"screenshot: {shot}")
    return check(upper in order and lower in order and order.index(upper) > order.index(lower),
                 f"{what} (bottom to top: {order})")


def run_checks(proc, events, desktop):
    app = wait_for(lambda: find_app(proc.pid), 20)
    if not check(app is not None, 'application "korvane" is in the accessibility tree'):
        return
    main = wait_for(lambda: window(app, "Belquist:Korvane"), 20)
    if not check(main is not None, 'main window "Belquist:Korvane"'):
        return

    # ---- every control by its name ----------------------------------------
    expected = [(Role.PUSH_BUTTON, n) for n in ("Start", "Pause", "Reset", "Results", "Select All", "Unselect")]
    expected += [(Role.PUSH_BUTTON, f"Answer {i}") for i in (1, 2, 3)]
    expected += [(Role.LABEL, n) for n in ("Problem", "Time left", "Score")]
    expected += [(Role.CHECK_BOX, f"Number {i}") for i in range(1, 11)] + [(Role.CHECK_BOX, "Plus ten")]
    expected += [(Role.RADIO_BUTTON, n) for n in ("Addition", "Subtraction", "Multiplication")]
    expected += [(Role.RADIO_BUTTON, n) for n in ("Time", "Number", "More", "Less")]
    expected += [(Role.IMAGE, n) for n in ("Belquist logo", "Three question marks", "Smiling face", "Surprised face")]
    found = {}
    for role, wanted in expected:
        found[wanted] = find(main, role, wanted)
        check(found[wanted] is not None, f"{role.value_nick} {wanted!r}")

    # Qt on Linux names a combo box by its text and labels it by relation.
    for label in ("MaxTime", "MaxNumber", "Wrong", "Right", "TimeLimit"):
        combo = None
        for acc in descendants(main):
            if acc.get_role() != Role.COMBO_BOX:
                continue
            for relation in acc.get_relation_set():
                if relation.get_relation_type() == Atspi.RelationType.LABELLED_BY and any(
                    name(relation.get_target(t)) == label for t in range(relation.get_n_targets())
                ):
                    combo = acc
        field = combo and next((c for c in descendants(combo) if c.get_role() == Role.TEXT), None)
        check(combo is not None and field is not None and name(field) == label,
              f"combo box labelled by {label!r}, its text field named {label!r}")

    nameless = [acc.get_role_name() for acc in descendants(main)
                if acc.get_role() in (Role.PUSH_BUTTON, Role.CHECK_BOX, Role.RADIO_BUTTON, Role.COMBO_BOX, Role.TEXT,
                                      Role.IMAGE, Role.LABEL, Role.PANEL)
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
        check(find(popup, Role.LABEL, "Wrong Answer") is not None, "the popup's headline reads 'Wrong Answer'")
        # The answer line has a fixed name of two words, so a screen reader
        # reads it once, with OK, not again among the window's labels.
        answer_line = find(popup, Role.LABEL, "Right answer")
        check(answer_line is not None and description(answer_line) == line,
              f"the popup's answer line 'Right answer' reads {line!r}")
        ok = find(popup, Role.PUSH_BUTTON, "OK")
        check(ok is not None and description(ok) == f"Wrong Answer. {line}",
              f"OK carries the headline and the answer line: {ok and description(ok)!r}")
        if desktop is not None:
            covers(desktop, MAIN, POPUP, "main window activated after a miss: it covers the modeless popup", popup,
                   "miss.png")
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
        grid = wait_for(lambda: find(results, Role.TABLE, totals))
        if check(grid is not None, f"the results grid is a table named {totals!r}"):
            rows, columns = Atspi.Table.get_n_rows(grid), Atspi.Table.get_n_columns(grid)
            check((rows, columns) == (10, 10), f"it has 10 rows and 10 columns: {rows} x {columns}")
            cell = Atspi.Table.get_accessible_at(grid, 6, 4)
            header = Atspi.Table.get_column_header(grid, 4)
            check(cell is not None and re.fullmatch(r"7 \+ 5: \d+ right of \d+", name(cell)) is not None,
                  f"row 7, column 5 reads the fact 7 + 5 with its counts: {cell and name(cell)!r}")
            check(header is not None and name(header) == "5", "its column header reads '5'")
        if desktop is not None:
            # Fixed in size: no maximise, whatever the title bar draws.
            wait_for(lambda: has_state(results, Atspi.StateType.ACTIVE), 3)
            frame = desktop.frame(RESULTS)
            check(frame is not None and not frame["maximise"] and not frame["resize"],
                  f"the desktop lets the pupil neither maximise nor resize the results window: {frame}")
            covers(desktop, MAIN, RESULTS, "main window activated: it covers the results window", results,
                   "results.png")
        close = find(results, Role.PUSH_BUTTON, "Close")
        if check(close is not None, "push button 'Close' on the results window"):
            press(close)
            check(wait_for(lambda: window(app, "ScoreResults") is None) is not None, "Close closed the results")
    press(found["Reset"])
    check(wait_for(lambda: description(score) == "Score") is not None, "Reset put the score back to 'Score'")
    time_out(app, main, found, desktop)

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
            ok = popup and find(popup, Role.PUSH_BUTTON, "OK")
            check(bool(ok) and description(ok) == f"Wrong Answer. {asked} = {solve(asked)}",
                  f"the popup says {ok and description(ok)!r}")
            if ok:
                press(ok)
        press(found["Reset"])
        wait_for(lambda: description(score) == "Score")

    tally = collections.Counter(f"{source or '(nameless)'} {prop}" for source, prop in events.seen)
    print(f"      {len(events.seen)} name/description events: "
          + ", ".join(f"{what} x{count}" for what, count in sorted(tally.items())))



def time_out(app, main, found, desktop):
    """A problem left to time out (TimeLimit 1: 3 s) brings up the popup,
    which waits for OK; on a desktop it stays above the main window when
    the pupil clicks that. OK goes on with the next problem."""
    problem, score, limit = found["Problem"], found["Score"], text_field(main, "TimeLimit")
    if not check(limit is not None and Atspi.EditableText.set_text_contents(limit, "1"), "TimeLimit set to 1"):
        return
    press(found["Start"])
    popup = wait_for(lambda: window(app, POPUP), 10)
    if check(popup is not None, "the answer clock ran out: the popup appeared"):
        ok, answer_line = find(popup, Role.PUSH_BUTTON, "OK"), find(popup, Role.LABEL, "Right answer")
        line = answer_line and description(answer_line)
        fact = re.fullmatch(r"(.+) = (-?\d+)", line or "")
        right = fact is not None and solve(fact[1]) == int(fact[2])
        check(ok is not None and description(ok) == f"Time Out. {line}" and right,
              f"OK carries the time-out and the answer line: {ok and description(ok)!r}")
        if desktop is not None:
            # What the desktop was told of the popup: a modal dialog of the
            # main window where Qt can say so (Qt 6.8: xdg-dialog-v1).
            print(f"      the desktop's frame of the time-out popup: {desktop.frame(POPUP)}")
            covers(desktop, POPUP, MAIN, "main window activated during a time-out: the popup stays above it", popup,
                   "time-out.png")
        if ok is not None:
            press(ok)
        check(wait_for(lambda: window(app, POPUP) is None) is not None, "OK dismissed the time-out popup")
        check(wait_for(lambda: description(score) == "Score:  0 / 1") is not None,
              f"OK went on: the time-out booked as a miss, {description(score)!r}")
        check(wait_for(lambda: solve(description(problem)) is not None) is not None, "and the next problem is up")
    press(found["Pause"])
    wait_for(lambda: has_state(found["Results"], Atspi.StateType.ENABLED))
    Atspi.EditableText.set_text_contents(limit, "30")
    press(found["Reset"])
    wait_for(lambda: description(score) == "Score")


if __name__ == "__main__":
    sys.exit(main())
