// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results window's controls, one row each: the grid and its three
// buttons.

#include "model/pf.h"
#include "ui/shared/sheet.h"

namespace korvane {

const sheet::SheetOf<Pf>& resultsSheet();

}  // namespace korvane
