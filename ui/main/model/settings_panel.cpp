// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The settings panel's click handlers: Option1_Click, ck_Click,
// selectall_Click, unselect_Click. Each rebuilds the fact table at once.

#include "engine/tallyquip.h"

namespace korvane {

void Tallyquip::Option1_Click(int /*index*/)
{
    for (int i = 0; i <= 2; ++i) {
        if (Option1(i).Value()) {
            data_.optype = static_cast<std::int16_t>(optype::kAddition + i);
        }
    }
    applyPlusTenRule();
    Getpref();
    preptable();
}

void Tallyquip::ck_Click(int /*index*/)
{
    Getpref();
    preptable();
}

void Tallyquip::selectall_Click()
{
    for (int i = 1; i <= 11; ++i) {
        data_.numsel(i) = 1;
        ck(i - 1).setValue(1);
    }
    preptable();
}

void Tallyquip::unselect_Click()
{
    for (int i = 1; i <= 11; ++i) {
        data_.numsel(i) = 0;
        ck(i - 1).setValue(0);
    }
    preptable();
}

}  // namespace korvane
