// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Start-up, reading the settings and starting a run:
// Form_Load, Getpref, stateall, Start_Click.

#include "fact_text.h"
#include "settings.h"
#include "tallyquip.h"

namespace korvane {

void Tallyquip::Form_Load()
{
    data_.endmode = endmode::kCountReached;
    data_.elapsed = 0;
    random_.seedFromClock();
    data_.totalright = 0;
    data_.started = 0;
    data_.totalprobs = 0;
    maxtime.setText("   5");
    MaxNum.setText("   40");
    NumRepeat.setText("    3");
    ShockTime.setText("   5");
    wrongnum.setText("    5");
    // The operations by the signs the pupil's school writes.
    for (int i = 0; i < Option1.count(); ++i) {
        Option1(i).setCaption(operationCaption(optype::kAddition + i));
    }
    stateall(panel::kOpen);
}

void Tallyquip::applyPlusTenRule()
{
    if (data_.optype == optype::kMultiplication) {
        ck(10).setValue(0);  // raises ck_Click when it was ticked
        ck(10).setEnabled(false);
    } else {
        ck(10).setEnabled(true);
    }
}

void Tallyquip::Getpref()
{
    data_.timelimit = readTimeLimit(maxtime.Text(), settings_);
    data_.numlimit = readNumLimit(MaxNum.Text(), settings_);
    data_.retireat = readRetireAt(NumRepeat.Text(), settings_);
    Timershock.setInterval(readShockInterval(ShockTime.Text(), settings_));
    data_.wrongrepeat = readWrongRepeat(wrongnum.Text(), settings_);
    for (int i = 0; i <= 3; ++i) {
        if (setp(i).Value()) {
            data_.endmode = static_cast<std::int16_t>(endmode::kTimeReached + i);
        }
    }
    for (int i = 0; i <= 2; ++i) {
        if (Option1(i).Value()) {
            data_.optype = static_cast<std::int16_t>(optype::kAddition + i);
        }
    }
    applyPlusTenRule();
}

void Tallyquip::stateall(int flag)
{
    const bool open = flag != panel::kLocked;
    for (int i = 0; i <= 10; ++i) {
        ck(i).setEnabled(open);
    }
    for (int i = 0; i <= 3; ++i) {
        setp(i).setEnabled(open);
    }
    for (int i = 0; i <= 2; ++i) {
        Option1(i).setEnabled(open);
    }
    selectall.setEnabled(open);
    unselect.setEnabled(open);
    maxtime.setEnabled(open);
    MaxNum.setEnabled(open);
    wrongnum.setEnabled(open);
    NumRepeat.setEnabled(open);
    ShockTime.setEnabled(open);
    results.setEnabled(open);
    for (int i = 0; i <= 2; ++i) {
        but(i).setEnabled(!open);
    }
}

void Tallyquip::Start_Click()
{
    prepc();
    int sum = 0;
    for (int i = 1; i <= 10; ++i) {
        sum += data_.numsel(i);
    }
    if (sum == 0) {
        for (int i = 0; i <= 9; ++i) {
            ck(i).setValue(1);
        }
    }
    keeptime.setEnabled(true);
    if (data_.started == 0) {
        data_.started = 1;
        Getpref();
        preptable();
    } else {
        Getpref();
    }
    // generate ends the run at once when the pool is empty; the panel must
    // then stay open rather than lock over a run that is not going.
    if (generate()) {
        stateall(panel::kLocked);
    }
}

}  // namespace korvane
