// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The run-state table: outside the time-out wait the main window is Idle
// (never started), Running (the run clock and both answer clocks on, the
// panel locked, the answer buttons usable, a problem shown as stored) or
// Stopped (paused or ended: no clock on, the panel open). No other mix of
// clocks and controls may exist.

#include "drill_checks.h"
#include "engine/tallyquip.h"
#include "virtual_clock.h"

namespace korvane::checks {

enum class RunState { Idle, Running, Stopped };

// The row the window is in, or what breaks the table. With a clock, a
// running problem's answer clock must also be due within one period.
Broken runState(const Tallyquip& w, const Data& d, const VirtualClock* clock, RunState& state);

// The drill's settings and displays agree with the controls: operation and
// end mode in range and as chosen, settings in force, the numbers as ticked,
// the score line showing the totals.
Broken windowState(const Tallyquip& w, const Data& d);

}  // namespace korvane::checks
