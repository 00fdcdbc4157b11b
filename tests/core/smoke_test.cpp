// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>

#include "engine/tallyquip.h"
#include "ui/popup/model/tpop.h"
#include "ui/results/model/pf.h"

using namespace korvane;

TEST(Smoke, StartShowsAProblem)
{
    Data data;
    SeededRandom random(7);
    Tpop tpop(data);
    Pf pf(data);
    Tallyquip w(data, random, tpop, pf);
    w.Form_Load();
    w.Start.click();
    EXPECT_NE(w.cap.Caption(), "Tallyquip");
    EXPECT_EQ(data.poolcount, 100);
}
