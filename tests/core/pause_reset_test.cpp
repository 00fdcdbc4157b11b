// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Pause, resume, Reset and closing the main window, against the run-state
// table: which clocks run, what is enabled, what is kept and what is reset.

#include <gtest/gtest.h>

#include "run_helpers.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

// Plays `seconds` of a run, answering right every 5 s.
void playFor(Rig& r, int seconds)
{
    for (int s = 5; s <= seconds; s += 5) {
        r.clock.advance(5000);
        r.rightButton().click();
    }
}

TEST(Pause, PausingEveryFiftySecondsNeverCountsAMinute)
{
    Rig r(true);
    r->setp(0).click();  // end by time, so only minutes could end the run
    r->maxtime.typeText("  30");
    r->NumRepeat.typeText("  10");
    for (int cycle = 0; cycle < 20; ++cycle) {
        r->Start.click();
        playFor(r, 50);
        r->Stop.click();
        ASSERT_EQ(r.data.elapsed, 0) << "cycle " << cycle;
        r.clock.advance(30000);  // paused time does not count either
    }
    EXPECT_EQ(r.data.totalprobs, 200);
    r->Start.click();
    r.clock.advance(59999);
    EXPECT_EQ(r.data.elapsed, 0);
    r.clock.advance(1);
    EXPECT_EQ(r.data.elapsed, 1);
}

TEST(Pause, HaltsTheRunAndKeepsWhatIsShown)
{
    Rig r(true);
    r->Start.click();
    r.clock.advance(61000);  // eight time-outs and the first minute
    r.wrongButton().click();
    r.clock.advance(1500);
    const std::string cap = r->cap.Caption();
    const std::string buttons = r->but(0).Caption() + r->but(1).Caption() + r->but(2).Caption();
    const std::string score = r->score.Caption();
    const int picture = visiblePicture(r);
    const int booked = r.data.totalprobs;
    ASSERT_NE(r->Timecap.Caption(), "Time");

    r->Stop.click();
    EXPECT_TRUE(runStateRow(r));
    EXPECT_EQ(r->Timecap.Caption(), "Time");
    EXPECT_EQ(r.data.started, 1);
    EXPECT_FALSE(r->keeptime.Enabled());
    EXPECT_EQ(r->cap.Caption(), cap);
    EXPECT_EQ(r->but(0).Caption() + r->but(1).Caption() + r->but(2).Caption(), buttons);
    EXPECT_EQ(r->score.Caption(), score);
    EXPECT_EQ(visiblePicture(r), picture);
    EXPECT_EQ(r.data.totalprobs, booked);
    EXPECT_TRUE(r.tpop.IsLoaded());  // the popup of the miss is not touched

    // No clock ticks and the disabled answer buttons take no clicks.
    const std::string paused = describe(r);
    r.clock.advance(3600000);
    r.rightButton().click();
    r.wrongButton().click();
    EXPECT_EQ(describe(r), paused);
}

TEST(Pause, WhileIdleChangesNothing)
{
    Rig r(true);
    const std::string idle = describe(r);
    r->Stop.click();
    EXPECT_EQ(describe(r), idle);
    EXPECT_TRUE(runStateRow(r));
    r->clear.click();  // idle again, after a Reset
    r->Stop.click();
    EXPECT_EQ(describe(r), idle);
}

TEST(Pause, TwiceInARowChangesNothingTheSecondTime)
{
    Rig r(true);
    r->Start.click();
    r.clock.advance(3500);
    r->Stop.click();
    const std::string once = describe(r);
    r->Stop.click();
    EXPECT_EQ(describe(r), once);
}

TEST(Pause, IsIgnoredDuringTheTimeOutWait)
{
    Rig r(true);
    r.tpopView.duringModal = [&] {
        r->Stop.click();
        r->clear.click();
        r.tpop.kill.click();
    };
    r->Start.click();
    r.clock.advance(7000);
    EXPECT_TRUE(runStateRow(r));
    EXPECT_TRUE(r->keeptime.Enabled());
    EXPECT_EQ(r.data.started, 1);
    EXPECT_EQ(r.data.totalprobs, 1);
    EXPECT_NE(r->Timecap.Caption(), "Time");
}

// Reset from each state it can be pressed in lands on the Idle row.
enum class Before { StartUp, Running, RunningWithPopup, Paused, Ended, EndedEmpty };

void reach(Rig& r, Before state)
{
    switch (state) {
    case Before::StartUp:
        r->ck(9).click();  // settings read once, so Reset has an operation
        break;
    case Before::Running:
        r->Start.click();
        r.clock.advance(8000);  // a time-out: a fact under review
        playFor(r, 60);         // and the first minute
        break;
    case Before::RunningWithPopup:
        r->Start.click();
        r.clock.advance(61000);
        r.wrongButton().click();
        break;
    case Before::Paused:
        r->Start.click();
        r.wrongButton().click();
        playFor(r, 65);
        r->Stop.click();
        break;
    case Before::Ended:
        r->MaxNum.typeText("   4");
        r->Start.click();
        playFor(r, 20);
        break;
    case Before::EndedEmpty:
        choose(r, 2, {9});
        r->NumRepeat.typeText("   1");
        r->Start.click();
        r.rightButton().click();
        break;
    }
}

class ResetFrom : public ::testing::TestWithParam<Before> {};

TEST_P(ResetFrom, LandsOnTheIdleRowKeepingTheLastProblemShown)
{
    Rig r(true);
    reach(r, GetParam());
    const std::string cap = r->cap.Caption();
    const std::string buttons = r->but(0).Caption() + r->but(1).Caption() + r->but(2).Caption();
    const bool popupOpen = r.tpop.IsLoaded();
    const int popups = r.tpop.creations();

    r->clear.click();

    EXPECT_TRUE(runStateRow(r));
    EXPECT_EQ(r.data.started, 0);
    EXPECT_FALSE(r->keeptime.Enabled());
    EXPECT_FALSE(r->countdown.Enabled());
    EXPECT_FALSE(r->Timershock.Enabled());
    EXPECT_TRUE(allEnabled(settingsControls(r), true));
    EXPECT_TRUE(r->results.Enabled());
    EXPECT_TRUE(answerButtonsEnabled(r, false));
    EXPECT_EQ(r.data.elapsed, 0);
    EXPECT_EQ(r.data.totalright, 0);
    EXPECT_EQ(r.data.totalprobs, 0);
    EXPECT_EQ(r->score.Caption(), "Score");
    EXPECT_EQ(r->Timecap.Caption(), "Time");
    EXPECT_EQ(visiblePicture(r), 0);
    EXPECT_EQ(r->cap.Caption(), cap);
    EXPECT_EQ(r->but(0).Caption() + r->but(1).Caption() + r->but(2).Caption(), buttons);
    EXPECT_EQ(r.tpop.IsLoaded(), popupOpen);
    EXPECT_EQ(r.tpop.creations(), popups);

    // The table is built afresh: every fact in play, nothing under review.
    const int n = expectedFactCount(r.data);
    EXPECT_GT(n, 0);
    EXPECT_EQ(poolOf(r.data), range(1, n));
    EXPECT_TRUE(stackOf(r.data).empty());
    for (int f = 1; f <= n; ++f) {
        EXPECT_EQ(lifeState(r.data, f), "play") << "fact " << f;
        EXPECT_EQ(r.data.facts(f).timesright + r.data.facts(f).timeswrong, 0) << "fact " << f;
    }

    // Idle stays idle, and the next Start begins a fresh run from zero.
    const std::string idle = describe(r);
    r.clock.advance(600000);
    EXPECT_EQ(describe(r), idle);
    r->Start.click();
    EXPECT_TRUE(runStateRow(r));
    EXPECT_EQ(r.data.started, 1);
    r.rightButton().click();
    EXPECT_EQ(r->score.Caption(), "Score:  1 / 1");
}

std::string stateName(const ::testing::TestParamInfo<Before>& info)
{
    static const char* const names[] = {"StartUp", "Running", "RunningWithPopup",
                                        "Paused",  "Ended",   "EndedWithAnEmptyPool"};
    return names[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(States, ResetFrom,
                         ::testing::Values(Before::StartUp, Before::Running, Before::RunningWithPopup, Before::Paused,
                                           Before::Ended, Before::EndedEmpty),
                         stateName);

TEST(WindowClosed, StopsEveryClockSoNoTimeOutFiresAfterwards)
{
    Rig r(true);
    int waits = 0;
    r.tpopView.duringModal = [&] { ++waits; };
    r->Start.click();
    r.clock.advance(3000);
    r->windowClosed();
    EXPECT_FALSE(r->keeptime.Enabled());
    EXPECT_FALSE(r->countdown.Enabled());
    EXPECT_FALSE(r->Timershock.Enabled());
    const std::string closed = describe(r);
    r.clock.advance(3600000);
    EXPECT_EQ(waits, 0);
    EXPECT_EQ(describe(r), closed);
}

TEST(WindowClosed, DuringTheTimeOutWaitNothingRunsOnAfterTheWait)
{
    Rig r(true);
    int waits = 0;
    r.tpopView.duringModal = [&] {
        ++waits;
        r->windowClosed();
        r.tpop.kill.click();
    };
    r->Start.click();
    r.clock.advance(7000);
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(r->keeptime.Enabled());
    EXPECT_FALSE(r->countdown.Enabled());
    EXPECT_FALSE(r->Timershock.Enabled());
    EXPECT_FALSE(r.tpop.IsLoaded());
    const int beeps = r->beep.plays();
    r.clock.advance(3600000);
    EXPECT_EQ(waits, 1);
    EXPECT_EQ(r->beep.plays(), beeps);
    EXPECT_EQ(r.data.elapsed, 0);
}

}  // namespace
