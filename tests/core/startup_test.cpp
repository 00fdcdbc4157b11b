// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Start-up (Form_Load) and starting, resuming and restarting a run
// (Start_Click).

#include <gtest/gtest.h>

#include <vector>

#include "draws.h"
#include "rig.h"
#include "ui/popup/model/tpop.h"
#include "ui/results/model/pf.h"

using namespace korvane;
using korvane::testing::CkSpy;
using korvane::testing::Rig;
using korvane::testing::scriptProblem;
using korvane::testing::tableState;

namespace {

// Whether every settings control and the results button is enabled (true),
// every one disabled (false); the answer buttons must be the other way.
void expectPanel(Tallyquip& w, bool open)
{
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(w.ck(i).Enabled(), open) << "ck(" << i << ")";
    }
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(w.setp(i).Enabled(), open) << "setp(" << i << ")";
    }
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(w.Option1(i).Enabled(), open) << "Option1(" << i << ")";
        EXPECT_EQ(w.but(i).Enabled(), !open) << "but(" << i << ")";
    }
    for (const Control* c : std::initializer_list<const Control*>{
             &w.selectall, &w.unselect, &w.maxtime, &w.MaxNum, &w.wrongnum, &w.NumRepeat, &w.ShockTime, &w.results}) {
        EXPECT_EQ(c->Enabled(), open) << c->name();
    }
    for (const Control* c : std::initializer_list<const Control*>{&w.Start, &w.Stop, &w.clear}) {
        EXPECT_TRUE(c->Enabled()) << c->name();
    }
}

TEST(FormLoad, PutsTheDrillIntoItsStartUpState)
{
    Rig r(true);
    const Data& d = r.data;
    EXPECT_EQ(d.endmode, 2);
    EXPECT_EQ(d.elapsed, 0);
    EXPECT_EQ(d.totalright, 0);
    EXPECT_EQ(d.started, 0);
    EXPECT_EQ(d.totalprobs, 0);
    EXPECT_EQ(d.optype, 0);     // no setting read yet
    EXPECT_EQ(d.poolcount, 0);  // no table built yet
    EXPECT_EQ(r->maxtime.Text(), "   5");
    EXPECT_EQ(r->MaxNum.Text(), "   40");
    EXPECT_EQ(r->NumRepeat.Text(), "    3");
    EXPECT_EQ(r->ShockTime.Text(), "   5");
    EXPECT_EQ(r->wrongnum.Text(), "    5");
    expectPanel(*r, true);
    for (Timer* t : r->timers()) {
        EXPECT_FALSE(t->Enabled()) << t->name();
    }
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(r->pic(i).Visible(), i == 0) << "pic(" << i << ")";
    }
    EXPECT_EQ(r->cap.Caption(), "Tallyquip");
    EXPECT_EQ(r->score.Caption(), "Score");
    EXPECT_EQ(r->Timecap.Caption(), "Time");
    for (int i = 0; i <= 2; ++i) {
        EXPECT_EQ(r->but(i).Caption(), std::to_string(i + 1));
    }
    for (int i = 0; i <= 10; ++i) {
        EXPECT_EQ(r->ck(i).Value(), i < 10 ? 1 : 0) << "ck(" << i << ")";
    }
    EXPECT_TRUE(r->Option1(0).Value());
    EXPECT_TRUE(r->setp(1).Value());
}

TEST(FormLoad, SeedsTheRandomSourceOnceAndDrawsNothing)
{
    struct CountingRandom final : RandomSource {
        int seeds = 0;
        int draws = 0;
        double next() override
        {
            ++draws;
            return 0.0;
        }
        void seedFromClock() override { ++seeds; }
    } random;
    Data data;
    Tpop tpop(data);
    Pf pf(data);
    Tallyquip w(data, random, tpop, pf);
    w.Form_Load();
    EXPECT_EQ(random.seeds, 1);
    EXPECT_EQ(random.draws, 0);
}

TEST(StartClick, RightAfterStartUpRunsAdditionOneToTenWithTheDefaults)
{
    Rig r(true);
    r->Start.click();
    const Data& d = r.data;
    EXPECT_EQ(d.started, 1);
    EXPECT_EQ(d.optype, 1);
    EXPECT_EQ(d.plusten, 0);
    EXPECT_EQ(d.poolcount, 100);
    EXPECT_EQ(d.facts(100).answer, 20);
    EXPECT_EQ(d.timelimit, 5);
    EXPECT_EQ(d.numlimit, 40);
    EXPECT_EQ(d.retireat, 3);
    EXPECT_EQ(d.wrongrepeat, 5);
    EXPECT_EQ(d.endmode, 2);
    EXPECT_EQ(d.shockleft, 5);
    EXPECT_EQ(r->Timershock.Interval(), 7000);
    EXPECT_EQ(r.clock.untilNextTick(r->Timershock), 7000);
    EXPECT_EQ(r.clock.untilNextTick(r->countdown), 1000);
    EXPECT_EQ(r.clock.untilNextTick(r->keeptime), 60000);
    EXPECT_EQ(r->cap.Caption(), "1 + 1");  // every draw 0: pool position 1
    expectPanel(*r, false);
}

// Start with no number box ticked ticks ck(0)..ck(9) one by one; each tick
// runs ck_Click (settings read, table rebuilt) before the next.
struct ClearStartCase {
    int option;
    bool plusTen;
};

void PrintTo(const ClearStartCase& c, std::ostream* os) { *os << "Option1(" << c.option << ") plus-ten " << c.plusTen; }

class StartWithNoNumber : public ::testing::TestWithParam<ClearStartCase> {};

TEST_P(StartWithNoNumber, TicksTheTenBoxesWithTenNestedRebuilds)
{
    const auto [option, plusTen] = GetParam();
    Rig r(true);
    r->Option1(option).click();
    r->unselect.click();
    if (plusTen) {
        r->ck(10).click();
    }
    CkSpy spy(*r);
    r->Start.click();

    const int optype = option + 1;
    const int pt = plusTen ? 10 : 0;
    int facts = 0;
    ASSERT_EQ(spy.calls.size(), 10u);
    for (int k = 0; k < 10; ++k) {
        const int number = k + 1;
        facts += optype == 1 ? 10 + pt : optype == 2 ? 10 + pt - number : 10;
        const auto& call = spy.calls[static_cast<std::size_t>(k)];
        EXPECT_EQ(call.box, k);
        EXPECT_EQ(call.valueOnEntry, 1);
        EXPECT_EQ(call.numbersTickedOnEntry, k + 1);  // the later boxes are still clear
        EXPECT_EQ(call.depth, 0);
        EXPECT_EQ(call.poolAfter, facts) << "after ticking " << number;
    }
    EXPECT_EQ(r.data.poolcount, facts);
    EXPECT_EQ(r->ck(10).Value(), plusTen ? 1 : 0);
    EXPECT_TRUE(r->keeptime.Enabled());
    expectPanel(*r, false);
}

INSTANTIATE_TEST_SUITE_P(Operations, StartWithNoNumber,
                         ::testing::Values(ClearStartCase{0, false}, ClearStartCase{0, true}, ClearStartCase{1, false},
                                           ClearStartCase{1, true}, ClearStartCase{2, false}));

TEST(StartClick, ResumeKeepsTheRunAndRereadsTheSettings)
{
    Rig r(true);
    scriptProblem(r.scripted, 15, 0);  // 2 + 5
    r->Start.click();
    scriptProblem(r.scripted, 30, 0);  // 3 + 10
    r.rightButton().click();
    scriptProblem(r.scripted, 50, 0, {2});  // review path: 3 + 10 again, gap 3
    r.wrongButton().click();
    ASSERT_EQ(r->cap.Caption(), "3 + 10");
    r->Stop.click();
    r.clock.advance(120000);  // nothing runs while paused

    const Data before = r.data;
    r->MaxNum.typeText("  15");
    r->maxtime.typeText("  9");
    r->NumRepeat.typeText("   7");
    r->wrongnum.typeText("   2");
    r->ShockTime.typeText("   3");
    r->setp(3).click();
    scriptProblem(r.scripted, 70, 0);  // 7 + 10
    r->Start.click();

    const Data& d = r.data;
    EXPECT_EQ(r->cap.Caption(), "7 + 10");
    EXPECT_EQ(d.reviewgap, 2);
    EXPECT_EQ(tableState(d), tableState(before));
    ASSERT_EQ(d.stackcount, 1);
    EXPECT_EQ(d.facts(30).timeswrong, 1);
    // The paused problem is dropped, not booked; the settings are read anew.
    EXPECT_EQ((std::vector<long>{d.started, d.totalprobs, d.totalright, d.elapsed}), (std::vector<long>{1, 2, 1, 0}));
    EXPECT_EQ((std::vector<long>{d.numlimit, d.timelimit, d.retireat, d.wrongrepeat, d.endmode, d.shockleft}),
              (std::vector<long>{15, 9, 7, 2, 4, 3}));
    EXPECT_EQ(r.clock.untilNextTick(r->Timershock), 5000);
    EXPECT_EQ(r.clock.untilNextTick(r->keeptime), 60000);
    expectPanel(*r, false);
}

TEST(StartClick, AfterResetBeginsAFreshRunWithARebuiltTable)
{
    Rig r(true);
    r->Start.click();
    r.wrongButton().click();
    r->clear.click();
    ASSERT_EQ(r.data.started, 0);
    // Leftovers that only a rebuild wipes out.
    r.data.facts(3).timesright = 5;
    r.data.facts(3).review = 2;
    r.data.stackcount = 1;
    r.data.reviewstack(1) = 3;
    r.data.pool(1) = 77;
    scriptProblem(r.scripted, 40, 0);
    r->Start.click();
    EXPECT_EQ(r.data.started, 1);
    EXPECT_EQ(r.data.totalprobs, 0);
    Rig fresh(true);
    korvane::testing::buildTable(*fresh, 1, korvane::testing::kAllNumbers, false);
    EXPECT_EQ(tableState(r.data), tableState(fresh.data));
    EXPECT_EQ(r->cap.Caption(), "4 + 10");
}

TEST(StartClick, DuringARunReplacesTheProblemWithAFullAnswerTimeButKeepsTheRunClock)
{
    Rig r(true);
    scriptProblem(r.scripted, 15, 0);
    r->Start.click();
    r.clock.advance(3000);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  3");
    scriptProblem(r.scripted, 33, 0);
    r->Start.click();
    EXPECT_EQ(r->cap.Caption(), "4 + 3");
    EXPECT_EQ(r.data.totalprobs, 0);
    EXPECT_EQ(r.data.facts(15).timeswrong, 0);
    EXPECT_EQ(r.data.shockleft, 5);
    EXPECT_EQ(r.clock.untilNextTick(r->Timershock), 7000);
    EXPECT_EQ(r.clock.untilNextTick(r->countdown), 1000);
    EXPECT_EQ(r.clock.untilNextTick(r->keeptime), 57000);
    expectPanel(*r, false);

    r.clock.advance(1000);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  5");  // the new problem's countdown
    r.clock.advance(55999);
    EXPECT_EQ(r.data.elapsed, 0);
    r.clock.advance(1);
    EXPECT_EQ(r.data.elapsed, 1);  // 60000 ms after the first Start
}

}  // namespace
