#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""The German pass of the run played by ear (play_by_ear.py): the program
started on a German desktop, where the pupil must hear its German words.
Orca's own words (the roles, "button") stay in the language Orca runs
in."""

import re

def play(player, h, mark):
    """A right answer, a wrong one, the time left and the results: every
    word the program says is German. `mark`: Orca's utterances before the
    program started."""
    speech = player.speech

    def button(name):
        # Orca 48 sometimes puts a label's text before a button's name
        # here ("TimeLimit Pause button.").
        return re.compile(r"(.+ )?" + re.escape(f"{name} {h.BUTTON}."))

    if not h.check(speech.wait(button("Neu"), mark, 20) is not None, "German: the focus starts on 'Neu' (Reset)"):
        return
    speech.quiet()
    if not h.check(player.move_to(button("Start"), "Tab", 6), "German: Tab reaches Start"):
        return
    mark = speech.mark()
    h.key("space")
    i, first = player.next_problem(mark)
    if not h.check(first is not None, f"German: after Start the problem: {speech.since(mark)}"):
        return

    player.focus_answer(lambda v: v == h.solve(first))
    mark = speech.mark()
    h.key("space")
    right = speech.wait("Richtig!", mark)
    i, second = player.next_problem(right if right is not None else mark)
    h.check(right is not None and second is not None, f"German: 'Richtig!', then the next problem: {speech.since(mark)}")
    if second is None:
        return
    # Three answers typed: "Richtig!" and the next problem after each.
    mark = speech.mark()
    right, second = h.play_typed.play(player, h, second, 3, "Richtig!")
    if not h.check(right == 3, f"German: {right} of 3 typed answers heard as 'Richtig!' with the next problem"):
        return
    player.focus_seen(mark)

    player.focus_answer(lambda v: v != h.solve(second))
    mark = speech.mark()
    h.key("space")
    said_line = f"Falsche Antwort. {h.line_of(second)}."
    # The popup in German. Where a busy Orca left the focus it reported
    # behind the real one, the space may answer right and the next problem
    # run out instead: that popup, "Zeit ist um", is German as well.
    popup = speech.wait(re.compile(re.escape(said_line) + r"|Zeit ist um\. \S+ \S \S+ = \S+\."), mark, 20)
    timed_out = popup is not None and speech.said[popup].startswith("Zeit ist um")
    if timed_out:
        player.press("space", "Belquist:Korvane.")  # that popup waits for OK
    i, third = player.next_problem(popup if popup is not None else mark)
    h.check(popup is not None and third is not None, f"German: the popup says {said_line!r}: {speech.since(mark)}")
    h.check(f"OK {h.BUTTON}." in speech.since(mark), "German: the popup's OK")
    if not timed_out:
        player.press("space", "Belquist:Korvane.")
    speech.quiet()
    player.focus_seen(mark)
    mark = speech.mark()
    told = player.press("t", re.compile(r"Zeit: +\d+\.?"), 3)
    h.check(told is not None, f"German: T says the time left as 'Zeit:': {speech.since(mark)}")

    if not h.check(player.move_to(button("Pause"), "shift+Tab", 6), "German: Shift+Tab reaches Pause"):
        return
    h.key("space")
    speech.quiet()
    if not h.check(player.move_to(button("Ergebnis"), "shift+Tab", 20), "German: Shift+Tab reaches 'Ergebnis'"):
        return
    mark = speech.mark()
    h.key("space")
    h.check(speech.wait(button("Schließen"), mark) is not None, "German: the results window, its 'Schließen'")
    speech.quiet()
    mark = speech.mark()
    h.key("Tab")
    speech.wait(re.compile(r"table with \d+ rows 10 columns\.?"), mark)
    speech.quiet()
    heard = speech.since(mark)
    if h.ORCA < 44:
        # 4 right of 5, or one more problem where a busy Orca let one run out.
        totals = re.compile(r"Ergebnistabelle\. Richtig= [45] Aufgaben= [56]\.")
        h.check(any(totals.fullmatch(u) for u in heard), f"German: the grid with its totals: {heard}")
    cells = [u for u in heard if re.search(r": \d+ richtig von \d+", u)]
    h.check(len(cells) > 0, f"German: the grid's cells, 'richtig von': {cells[:2]}")

