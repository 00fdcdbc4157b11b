// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The settings panel's handlers: Option1_Click, ck_Click, selectall_Click,
// unselect_Click, and the plus-ten rule with its nested ck_Click.

#include <gtest/gtest.h>

#include <vector>

#include "draws.h"
#include "rig.h"

using namespace korvane;
using korvane::testing::CkSpy;
using korvane::testing::Rig;
using korvane::testing::scriptProblem;
using korvane::testing::tableState;

namespace {

TEST(PlusTenRule, MultiplicationClearsAndLocksThePlusTenBoxThroughOneNestedRebuild)
{
    Rig r(true);
    r->ck(10).click();
    ASSERT_EQ(r.data.poolcount, 200);
    CkSpy spy(*r);
    r->Option1(2).click();

    ASSERT_EQ(spy.calls.size(), 1u);  // the inner reading finds the box already clear
    EXPECT_EQ(spy.calls[0].box, 10);
    EXPECT_EQ(spy.calls[0].valueOnEntry, 0);
    EXPECT_TRUE(spy.calls[0].enabledOnEntry);  // cleared first, disabled afterwards
    EXPECT_EQ(spy.calls[0].poolAfter, 100);
    EXPECT_EQ(r->ck(10).Value(), 0);
    EXPECT_FALSE(r->ck(10).Enabled());
    EXPECT_EQ(r.data.optype, 3);
    EXPECT_EQ(r.data.numsel(11), 0);
    EXPECT_EQ(r.data.poolcount, 100);
    EXPECT_EQ(r.data.facts(100).answer, 100);

    r->Option1(0).click();
    EXPECT_EQ(spy.calls.size(), 1u);
    EXPECT_TRUE(r->ck(10).Enabled());
    EXPECT_EQ(r->ck(10).Value(), 0);
    EXPECT_EQ(r.data.poolcount, 100);
    EXPECT_EQ(r.data.facts(100).answer, 20);  // 10 + 10

    r->Option1(2).click();
    r->Option1(1).click();
    EXPECT_TRUE(r->ck(10).Enabled());
    EXPECT_EQ(r->ck(10).Value(), 0);
    EXPECT_EQ(r.data.poolcount, 45);
    EXPECT_EQ(spy.calls.size(), 1u);
}

TEST(PlusTenRule, AfterPauseUnderMultiplicationATickOnThePlusTenBoxDoesNotStay)
{
    Rig r(true);
    r->Option1(2).click();
    r->Start.click();
    r->Stop.click();
    ASSERT_TRUE(r->ck(10).Enabled());  // the panel opens every box
    CkSpy spy(*r);
    r->ck(10).click();

    EXPECT_EQ(r->ck(10).Value(), 0);
    EXPECT_FALSE(r->ck(10).Enabled());
    ASSERT_EQ(spy.calls.size(), 2u);
    EXPECT_EQ(spy.calls[0].valueOnEntry, 1);
    EXPECT_EQ(spy.calls[0].depth, 0);
    EXPECT_EQ(spy.calls[1].valueOnEntry, 0);
    EXPECT_EQ(spy.calls[1].depth, 1);
    EXPECT_EQ(r.data.poolcount, 100);
    EXPECT_EQ(r.data.plusten, 0);
}

TEST(PanelHandlers, OperationAndNumberClicksRebuildTheTableButKeepTheRunCounters)
{
    Rig r(true);
    scriptProblem(r.scripted, 15, 0);
    r->Start.click();
    r.rightButton().click();
    r.wrongButton().click();
    r->Stop.click();
    ASSERT_EQ(r.data.stackcount, 1);
    const int right = r.data.totalright;
    const int probs = r.data.totalprobs;

    r->MaxNum.typeText("  20");
    r->ck(4).click();                // number 5 off
    EXPECT_EQ(r.data.numlimit, 20);  // ck_Click reads the settings first
    EXPECT_EQ(r.data.poolcount, 90);
    EXPECT_EQ(r.data.stackcount, 0);
    for (int x = 1; x <= kMaxFacts; ++x) {
        ASSERT_EQ(r.data.facts(x).timesright + r.data.facts(x).timeswrong, 0) << x;
        ASSERT_EQ(r.data.facts(x).review, -1) << x;
    }
    EXPECT_EQ(r.data.facts(41).num1, 6);  // the block of 5 is gone

    r->Option1(1).click();
    EXPECT_EQ(r.data.optype, 2);
    EXPECT_EQ(r.data.poolcount, 45 - 5);
    EXPECT_EQ(r.data.totalright, right);
    EXPECT_EQ(r.data.totalprobs, probs);
    EXPECT_EQ(r.data.started, 1);
}

// Select All and Unselect under each operation; the end state of the boxes
// and the number of ck_Click runs follow from which boxes change.
struct SelectCase {
    int option;
    int fullTable;   // all ten numbers, with plus-ten where it is allowed
    int tenNumbers;  // all ten numbers, plus-ten clear
};

void PrintTo(const SelectCase& c, std::ostream* os) { *os << "Option1(" << c.option << ")"; }

class SelectButtons : public ::testing::TestWithParam<SelectCase> {};

TEST_P(SelectButtons, SelectAllThenUnselectThenStart)
{
    const SelectCase& c = GetParam();
    const bool multiplication = c.option == 2;
    Rig r(true);
    r->Option1(c.option).click();
    r->unselect.click();
    r->ck(2).click();

    CkSpy select(*r);
    r->selectall.click();
    for (int i = 0; i <= 9; ++i) {
        EXPECT_EQ(r->ck(i).Value(), 1) << i;
    }
    EXPECT_EQ(r->ck(10).Value(), multiplication ? 0 : 1);
    EXPECT_EQ(r->ck(10).Enabled(), !multiplication);
    for (int i = 1; i <= 11; ++i) {
        EXPECT_EQ(r.data.numsel(i), r->ck(i - 1).Value()) << "numsel(" << i << ")";
    }
    EXPECT_EQ(r.data.poolcount, c.fullTable);
    // Nine clear number boxes and the plus-ten box; under multiplication the
    // plus-ten tick is undone by one more, nested run.
    ASSERT_EQ(select.calls.size(), multiplication ? 11u : 10u);
    EXPECT_EQ(select.calls[9].box, 10);
    if (multiplication) {
        EXPECT_EQ(select.calls[10].box, 10);
        EXPECT_EQ(select.calls[10].depth, 1);
    }

    CkSpy unselect(*r);
    r->unselect.click();
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(r->ck(i).Value(), 0) << i;
        EXPECT_EQ(r.data.numsel(i + 1), 0) << i;
    }
    EXPECT_EQ(r.data.poolcount, 0);
    EXPECT_EQ(unselect.calls.size(), multiplication ? 10u : 11u);

    r->Start.click();
    EXPECT_EQ(r.data.poolcount, c.tenNumbers);
    EXPECT_TRUE(r->keeptime.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Operations, SelectButtons,
                         ::testing::Values(SelectCase{0, 200, 100}, SelectCase{1, 145, 45}, SelectCase{2, 100, 100}));

TEST(PanelHandlers, SelectAllAndUnselectRebuildEvenWhenNoBoxChanges)
{
    Rig r(true);
    r->ck(10).click();
    r->Start.click();
    r.wrongButton().click();
    r->Stop.click();
    ASSERT_EQ(r.data.stackcount, 1);
    CkSpy spy(*r);
    r->selectall.click();  // all eleven are ticked already
    EXPECT_TRUE(spy.calls.empty());
    EXPECT_EQ(r.data.stackcount, 0);
    EXPECT_EQ(r.data.facts(1).timeswrong, 0);
    EXPECT_EQ(r.data.poolcount, 200);

    r->unselect.click();
    r.data.poolcount = 5;  // a stale count that only a rebuild corrects
    r->unselect.click();
    EXPECT_EQ(spy.calls.size(), 11u);
    EXPECT_EQ(r.data.poolcount, 0);
}

TEST(PanelHandlers, EndModeAndComboChangesWhilePausedWaitForTheNextReading)
{
    Rig r(true);
    scriptProblem(r.scripted, 15, 0);
    r->Start.click();
    r.wrongButton().click();
    r->Stop.click();
    const Data before = r.data;

    r->setp(0).click();
    r->maxtime.typeText("  2");
    r->MaxNum.typeText("  10");
    r->ShockTime.typeText("   2");
    EXPECT_EQ(r.data.endmode, before.endmode);
    EXPECT_EQ(r.data.timelimit, before.timelimit);
    EXPECT_EQ(r.data.numlimit, before.numlimit);
    EXPECT_EQ(tableState(r.data), tableState(before));
    EXPECT_EQ(r.data.facts(15).timeswrong, 1);

    r->Start.click();
    EXPECT_EQ(r.data.endmode, 1);
    EXPECT_EQ(r.data.timelimit, 2);
    EXPECT_EQ(r.data.numlimit, 10);
    EXPECT_EQ(r->Timershock.Interval(), 4000);
    EXPECT_EQ(r.data.stackcount, 1);  // a resume does not rebuild either
}

TEST(PanelHandlers, ThePanelIgnoresThePupilWhileARunIsGoing)
{
    Rig r(true);
    r->Start.click();
    CkSpy spy(*r);
    r->selectall.click();
    r->unselect.click();
    r->ck(3).click();
    r->Option1(2).click();
    r->maxtime.typeText("  30");
    EXPECT_TRUE(spy.calls.empty());
    EXPECT_EQ(r->ck(3).Value(), 1);
    EXPECT_TRUE(r->Option1(0).Value());
    EXPECT_EQ(r->maxtime.Text(), "   5");
    EXPECT_EQ(r.data.poolcount, 100);
}

}  // namespace
