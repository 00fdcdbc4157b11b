// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The Results button: results_Click opens the per-fact grid.

#include "engine/tallyquip.h"

namespace korvane {

void Tallyquip::results_Click() { pf_.showResults(); }

}  // namespace korvane
