#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""The Arabic pass of the run played by ear (play_by_ear.py): the program
started on an Arabic desktop, a right-to-left window whose numbers are
written in the Arabic school digits (٠-٩). The pupil must hear its Arabic
words and the problems in those digits, without the marks that keep a
problem in order on the screen. Orca's own words (the roles, "button")
stay in the language Orca runs in."""

import re

ARABIC_DIGITS = "٠١٢٣٤٥٦٧٨٩"
# Marks that order text on the screen and mean nothing to a listener.
BIDI_MARKS = re.compile("[\u200e\u200f\u202a-\u202e\u2066-\u2069]")


def school_digits(number):
    """`number` as an Arabic school writes it: 12 as ١٢."""
    return "".join(ARABIC_DIGITS[int(d)] for d in str(number))


def written_in_school_digits(problem):
    """Whether both numbers of a problem heard are in the Arabic digits."""
    return all(c in ARABIC_DIGITS for c in problem.group(1) + problem.group(3))


def play(player, h, mark, keys=str):
    """Start, then three answers typed (keys(answer): the characters
    typed), each heard as "صحيح!" with the next problem.
    `mark`: Orca's utterances before the program started."""
    speech = player.speech

    def button(name):
        # Orca 48 may put a label's text before a button's name.
        return re.compile(r"(.+ )?" + re.escape(f"{name} {h.BUTTON}."))

    if not h.check(speech.wait(button("من جديد"), mark, 20) is not None, "Arabic: the focus starts on 'من جديد' (Reset)"):
        return
    speech.quiet()
    if not h.check(player.move_to(button("ابدأ"), "Tab", 6), "Arabic: Tab reaches 'ابدأ' (Start)"):
        return
    played = speech.mark()
    h.key("space")
    i, first = player.next_problem(played)
    if not h.check(first is not None, f"Arabic: after Start the problem: {speech.since(played)}"):
        return
    right, last = h.play_typed.play(player, h, first, 3, "صحيح!", keys=keys)
    h.check(right == 3, f"Arabic: {right} of 3 typed answers heard as 'صحيح!' with the next problem")
    heard = speech.since(played)
    problems = [m for m in map(h.PROBLEM.fullmatch, heard) if m]
    h.check(len(problems) >= 4 and all(map(written_in_school_digits, problems)),
            f"Arabic: every problem said in the Arabic digits: {[m.group(0) for m in problems]}")
    h.check(not any(BIDI_MARKS.search(u) for u in heard), "Arabic: no direction marks reach the screen reader")
    if last is None:
        return
    # T: what Orca says of the time left is logged, not checked. The
    # program sends "الوقت:  ٤" (an AT-SPI listener hears that name), yet
    # Orca 43 says only "الوقت.".
    mark = speech.mark()
    h.key("t")
    speech.quiet(0.5, 3.0)
    h.log(f"Arabic: T: {speech.since(mark)}")
