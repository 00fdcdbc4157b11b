# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""What the accessibility checks share: the check log, waiting on the
accessibility bus, reading and pressing controls as a screen reader does,
the sound server's streams, and the events the program reports."""

import os
import re
import subprocess
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
    """The first descendant of this role (an Atspi.Role: its wording differs
    between versions of the accessibility bus) and name."""
    for acc in descendants(root):
        if acc.get_role() == role and name(acc) == wanted:
            return acc
    return None


def text_field(root, wanted):
    return find(root, Atspi.Role.TEXT, wanted)


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
