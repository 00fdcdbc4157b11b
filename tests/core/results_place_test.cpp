// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The results window's place: a number written on the drawing area, a
// single digit one column (100 twips) further right, with a blank each side.

#include <gtest/gtest.h>

#include "ui/results/model/pf.h"

using namespace korvane;

namespace {

struct PlaceCase {
    int number;
    int left;
    int top;
    int drawnLeft;
    const char* text;
};

class PlaceTest : public ::testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceTest, SingleDigitsMoveOneColumnRightAndTheTextHasABlankEachSide)
{
    const PlaceCase& c = GetParam();
    Data data;
    Pf pf(data);
    pf.place(c.number, c.left, c.top);
    ASSERT_EQ(pf.dt.items().size(), 1u);
    EXPECT_EQ(pf.dt.items()[0], (TextPlacement{c.drawnLeft, c.top, c.text}));
    EXPECT_EQ(pf.dt.penLeft(), 0);
    EXPECT_EQ(pf.dt.penTop(), c.top + pf.dt.lineHeight());
}

INSTANTIATE_TEST_SUITE_P(Numbers, PlaceTest,
                         ::testing::Values(PlaceCase{0, 700, 300, 800, " 0 "}, PlaceCase{9, 0, 2100, 100, " 9 "},
                                           PlaceCase{10, 7000, 0, 7000, " 10 "}, PlaceCase{99, 3800, 900, 3800, " 99 "},
                                           PlaceCase{100, 7300, 2100, 7300, " 100 "},
                                           PlaceCase{32767, 700, 300, 700, " 32767 "}));

}  // namespace
