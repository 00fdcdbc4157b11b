// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A fact as the pupil reads it: "7 + 5", "14 - 6", "3 x 9". The problem
// label and the popup's answer line both write it this way.

#include <string>

#include "data.h"

namespace korvane {

std::string factText(int optype, const Fact& fact);

// The caption of the option button of an operation: "( + )", "( - )",
// "( x )" with the signs the class writes, shown as leftToRight() does.
std::string operationCaption(int optype);

// Whether problems are marked to be shown left to right, as right-to-left
// languages need (the view says so once at start-up). Off by default.
void markLeftToRight(bool on);

// `text` as it is shown: with the marks on, between U+202D LEFT-TO-RIGHT
// OVERRIDE and U+202C POP DIRECTIONAL FORMATTING, so that "7 + 5 = 12"
// never shows as "12 = 5 + 7" and a Latin "x" stays between its numbers,
// whatever digits are written; unchanged otherwise. Not for speech.
std::string leftToRight(std::string text);

}  // namespace korvane
