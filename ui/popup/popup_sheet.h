// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The popup's controls, one row each: the headline, the answer line and OK.

#include "model/tpop.h"
#include "ui/shared/sheet.h"

namespace korvane {

const sheet::SheetOf<Tpop>& popupSheet();

// The answer line's size before it is fitted to its box.
inline constexpr double kAnswerPoints = 36;

}  // namespace korvane
