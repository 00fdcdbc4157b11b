// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Pause, which also ends a run and begins Reset: Stop_Click.

#include "tallyquip.h"

namespace korvane {

void Tallyquip::Stop_Click()
{
    Timecap.setCaption(say(QT_TRANSLATE_NOOP("MainWindow", "Time")));
    Timershock.setEnabled(false);
    countdown.setEnabled(false);
    keeptime.setEnabled(false);
    stateall(panel::kOpen);
}

}  // namespace korvane
