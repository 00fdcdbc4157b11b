// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The main window's controls, one row each: where each sits in twips within
// its container (the window's client area or one of its two frames), its
// place in the tab order, font, fixed caption and what a screen reader
// calls it.

#include "engine/tallyquip.h"
#include "ui/shared/sheet.h"

namespace korvane {

const sheet::SheetOf<Tallyquip>& mainSheet();

}  // namespace korvane
