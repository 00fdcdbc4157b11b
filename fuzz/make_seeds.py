#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 Korvane developers
#
# SPDX-License-Identifier: MIT

"""Writes the seed inputs of both fuzz targets into corpus/<name>/.

settings_text: every item of the five settings lists (as in
engine/tallyquip.cpp), the default texts and some tricky texts.

drill_actions: whole sessions. The opcodes mirror enum Op in
drill_actions_fuzz.cpp; keep the two in step.
An input is the length of its action list (two bytes, big-endian), the
action list, then the random draws (two bytes a draw, big-endian, read as
value / 65520; past the end every draw is 0).
"""
import os
import random

(RIGHT, WRONG, ANSWER, START, PAUSE, RESET, RESULTS, RESULTS_BUTTON, OPERATION, END_MODE,
 NUMBER_BOX, SELECT_ALL, UNSELECT, TYPE_TEXT, CHOOSE_ITEM, ADVANCE_MS, ADVANCE_SECONDS,
 ADVANCE_MINUTES, TO_TIMEOUT, POPUP_SCRIPT, POPUP_OK, CLOSE_WINDOW) = range(22)

# Combo boxes in the order the target numbers them.
MAXTIME, MAXNUM, WRONGNUM, NUMREPEAT, SHOCKTIME = range(5)


def typed(combo, text):
    data = text.encode()
    assert len(data) <= 16
    return [TYPE_TEXT, combo, len(data)] + list(data)


def seed(actions, draws=0, salt=0):
    """Actions, then `draws` random draws (from a fixed generator); with no
    draws every draw reads 0."""
    rng = random.Random(salt)
    tail = b"".join(rng.randrange(0, 0xFFF0).to_bytes(2, "big") for _ in range(draws))
    return len(actions).to_bytes(2, "big") + bytes(actions) + tail


seeds = {
    # Start and answer right until the run of 40 ends; a resume plays one more.
    "whole_run_right": seed([START] + [RIGHT] * 40 + [START, RIGHT, RIGHT]),
    # Right and wrong in turn with varied draws: review stack and retiring.
    "whole_run_mixed": seed([START] + [RIGHT, WRONG, RIGHT, POPUP_OK] * 12, draws=600, salt=1),
    # Time-outs: dismissed at once, waited out past a minute while poking the
    # window, left without OK.
    "timeouts": seed([START, TO_TIMEOUT, 1, TO_TIMEOUT, 1, POPUP_SCRIPT, 0x16, TO_TIMEOUT, 1,
                      TO_TIMEOUT, 2, POPUP_SCRIPT, 0x08, TO_TIMEOUT, 1, ADVANCE_MINUTES, 3],
                     draws=200, salt=2),
    "pause_resume": seed([START, RIGHT, PAUSE, ADVANCE_MINUTES, 2, START, WRONG, POPUP_OK, ADVANCE_SECONDS, 200,
                          PAUSE, PAUSE, START, RIGHT, START, RIGHT], draws=150, salt=3),
    "reset": seed([START, RIGHT, RIGHT, RIGHT, WRONG, RESET, START, RIGHT, RESET, RESET, PAUSE, START, WRONG],
                  draws=150, salt=4),
    # Settings changed while paused: subtraction with plus-ten, then
    # multiplication, then nothing selected (Start ticks all ten).
    "settings_while_paused": seed([START, WRONG, PAUSE, OPERATION, 1, NUMBER_BOX, 10, START, RIGHT, WRONG, PAUSE,
                                   OPERATION, 2, NUMBER_BOX, 10, UNSELECT, START, RIGHT, RIGHT, PAUSE, SELECT_ALL,
                                   OPERATION, 0, START, RIGHT], draws=300, salt=5),
    # End by time after one minute; "More" and "Less" with small limits.
    "end_modes": seed([END_MODE, 0, CHOOSE_ITEM, MAXTIME, 0, START, RIGHT, ADVANCE_MINUTES, 1, RIGHT, START, RIGHT,
                       END_MODE, 2, CHOOSE_ITEM, MAXNUM, 0, RESET, START] + [RIGHT] * 11 + [ADVANCE_MINUTES, 2, RIGHT,
                       END_MODE, 3, RESET, START, ADVANCE_MINUTES, 2, WRONG], draws=500, salt=6),
    # Typed and blank settings texts, read at Start.
    "typed_texts": seed(typed(SHOCKTIME, "0") + typed(NUMREPEAT, "   ") + typed(WRONGNUM, "1") +
                        typed(MAXNUM, "-3") + [START, WRONG, TO_TIMEOUT, 1, PAUSE] + typed(SHOCKTIME, "1e999") +
                        typed(NUMREPEAT, "2.5") + typed(MAXNUM, "\t 7 ") + typed(MAXTIME, "five") +
                        [START, RIGHT, RIGHT, TO_TIMEOUT, 0, RIGHT] + typed(SHOCKTIME, "32767.4") +
                        [PAUSE, START, ADVANCE_MINUTES, 30], draws=200, salt=7),
    # Subtraction with only 10 chosen has no facts; plus-ten gives ten.
    "empty_pool": seed([UNSELECT, OPERATION, 1, NUMBER_BOX, 9, START, START, NUMBER_BOX, 10, START, RIGHT,
                        RESET, UNSELECT, START, RIGHT], draws=100, salt=8),
    "results_window": seed([START, RIGHT, WRONG, RIGHT, RIGHT, RIGHT, PAUSE, RESULTS, RESULTS_BUTTON, 1,
                            RESULTS_BUTTON, 0, RESULTS_BUTTON, 2, SELECT_ALL, RESULTS, RESULTS_BUTTON, 1, RESULTS,
                            START, RIGHT], draws=150, salt=9),
    # The answer clock runs out while the popup of a miss is still open.
    "timeout_after_miss": seed([START, WRONG, TO_TIMEOUT, 1, WRONG, ADVANCE_SECONDS, 69, POPUP_OK, WRONG,
                                POPUP_SCRIPT, 0x03, TO_TIMEOUT, 1], draws=150, salt=10),
    # Answers 1 ms before the time-out and at the time-out itself.
    "last_millisecond": seed([START, TO_TIMEOUT, 0, RIGHT, TO_TIMEOUT, 0, WRONG, TO_TIMEOUT, 1, RIGHT,
                              ADVANCE_MS, 0x07, 0xCF, RIGHT], draws=150, salt=11),
    # The pupil closes the window during a time-out wait.
    "close_in_wait": seed([START, RIGHT, POPUP_SCRIPT, 0xE5, TO_TIMEOUT, 1, START], draws=60, salt=12),
    "close_window": seed([START, RIGHT, WRONG, CLOSE_WINDOW, 0, START], draws=60, salt=13),
}

# The settings lists, blanks included, as the window fills them.
LISTS = {
    "maxtime": ["   1", "   2", "   3 ", "   4", "   5 ", "   6", "   7 ", "   8", "   9", "  10", "  15", "  20",
                "  25", "  30"],
    "maxnum": ["  10", "  15", "   20", "   25", "   30", "   35", "   40", "   45", "   50", "   60", "   70",
               "   80", "   90", " 100"],
    "wrongnum": [f"{n:>4}" for n in range(1, 21)],
    "numrepeat": [f"   {n}" for n in range(1, 10)] + [" 10", "   "],
    "shocktime": [f"   {n}" for n in range(1, 10)] + ["  10", " "],
}

TEXTS = {
    "default_maxtime": "   5", "default_maxnum": "   40", "default_repeat": "    3",
    "empty": "", "half_even": "2.5", "minus_half": "-0.5", "exponent": "1.5e1", "tabs_sign_point": "\t+7.\t",
    "point_first": " .5E-0 ", "too_big": "1e999", "too_small": "1e-400", "word": "five", "hex": "0x1A",
    "infinity": "inf", "int32_end": "2147483647.5", "int16_end": "32767.49", "sign_only": " - ",
    "int64_end": "9223372036854775807", "newline": "5\n",
}


def settings_seeds():
    out = dict(TEXTS)
    seen = set(out.values())
    for combo, items in LISTS.items():
        for i, text in enumerate(items):
            if text not in seen:
                seen.add(text)
                out[f"item_{combo}_{i}"] = text
    return {name: text.encode() for name, text in out.items()}


def write(name, corpus):
    out = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus", name)
    os.makedirs(out, exist_ok=True)
    for old in os.listdir(out):
        os.remove(os.path.join(out, old))
    for file, data in corpus.items():
        with open(os.path.join(out, file), "wb") as f:
            f.write(data)
    print(f"{len(corpus)} seeds in {out}")


if __name__ == "__main__":
    write("settings_text", settings_seeds())
    write("drill_actions", seeds)
