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

}  // namespace korvane
