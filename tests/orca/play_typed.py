#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Answers by typing, as a blind pupil does once the problems come: hears
the problem, types its answer on the keyboard with real key events while
Orca listens to every key, and checks that each answer was taken as right
and that the next problem was said. Two presses of one digit (the 1s of 11,
or the last digit of one answer and the first of the next) must count
twice. Used by play_by_ear.py."""

import re
import subprocess


def digits_repeated(answers):
    """How many times a digit was typed right after the same digit."""
    typed = "".join(str(a) for a in answers)
    return sum(1 for a, b in zip(typed, typed[1:]) if a == b)


def said_number(utterance):
    """The number an utterance such as "12." or "١٢." says, else None."""
    match = re.fullmatch(r"(\d+)\.", utterance)
    return int(match.group(1)) if match else None


def focused_on_answer(utterances, answer, typed, player, h):
    """Whether, after the echo of the last key typed (`typed`: the keys of
    `answer`), Orca said the focus move to the answer button that shows
    `answer`, in whichever digits it is written."""
    echoes = [i for i, u in enumerate(utterances) if u == typed[-1]]
    if not echoes:
        return False
    after = utterances[echoes[-1] + 1:]
    return any(player.answer_button(u) and said_number(v) == answer for u, v in zip(after, after[1:]))


def play(player, h, problem, count, right_word, at_least_repeated=0, most=None, keys=str):
    """Types the answers of `count` problems in a row, the first being
    `problem` (a match of PROBLEM, already said). Goes on past `count`, up
    to `most`, until `at_least_repeated` digits were typed twice in a row.
    keys(answer): the characters typed for an answer (0-9 by default).
    Returns the number of answers booked right and heard as such, and the
    problem said last (None if one never came)."""
    speech = player.speech
    most = most or count
    answers = []
    right = 0
    while problem is not None and len(answers) < most:
        if len(answers) >= count and digits_repeated(answers) >= at_least_repeated:
            break
        answer = h.solve(problem)
        answers.append(answer)
        mark = speech.mark()
        # As a pupil types: a key at a time, each released before the next.
        typed = keys(answer)
        subprocess.run(["xdotool", "type", "--delay", "150", typed], check=True)
        heard = speech.wait(right_word, mark, 2.0)
        if heard is None and focused_on_answer(speech.since(mark), answer, typed, player, h):
            # A longer answer begins with the same digits: the program put
            # the focus on this one, and Enter presses it.
            subprocess.run(["xdotool", "key", "Return"], check=True)
            heard = speech.wait(right_word, mark, 4.0)
        i, following = player.next_problem(heard if heard is not None else mark, 8.0)
        if not h.check(heard is not None and following is not None,
                       f"typed {answer} for {problem.group(0)!r}: {right_word!r}, then the next problem: "
                       f"{speech.since(mark)}"):
            return right, None
        right += 1
        problem = following
        speech.quiet(0.3, 2.0)
    h.check(digits_repeated(answers) >= at_least_repeated,
            f"{digits_repeated(answers)} digit(s) typed twice in a row among {answers}")
    return right, problem
