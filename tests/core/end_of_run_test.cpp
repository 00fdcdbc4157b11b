// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// How a run ends: by time, by number, by the later or the earlier of the
// two; what an ended run looks like; resuming it; and the run whose every
// fact has left play.

#include <gtest/gtest.h>

#include "run_helpers.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

// The Ended row of the run-state table, with the last answer still shown.
void expectEnded(Rig& r, int problems)
{
    EXPECT_TRUE(runStateRow(r));
    EXPECT_FALSE(r->keeptime.Enabled());
    EXPECT_EQ(r.data.started, 1);
    EXPECT_EQ(r.data.totalprobs, problems);
    EXPECT_EQ(r->Timecap.Caption(), "Time");
}

struct EndCase {
    const char* name;
    int mode;  // setp index: 0 Time, 1 Number, 2 More, 3 Less
    const char* maxtime;
    const char* maxnum;
    int endsAt;  // the booking that ends the run, answering one problem every 5 s
    // Printed by its fields: gtest would otherwise read the padding bytes.
    friend void PrintTo(const EndCase& c, std::ostream* os) { *os << c.name; }
};

class EndMode : public ::testing::TestWithParam<EndCase> {};

// One right answer every 5 s: the n-th booking comes at 5n s, so the first
// minute has been counted from the 12th booking on, the second from the 24th.
TEST_P(EndMode, RunEndsAtTheBookingThatReachesTheLimit)
{
    const EndCase c = GetParam();
    Rig r(true);
    r->setp(c.mode).click();
    r->maxtime.typeText(c.maxtime);
    r->MaxNum.typeText(c.maxnum);
    r->NumRepeat.typeText("  10");
    r->Start.click();

    int n = 0;
    while (r->keeptime.Enabled() && n < 100) {
        r.clock.advance(5000);
        ASSERT_TRUE(answerButtonsEnabled(r, true)) << "booking " << n + 1;
        r.rightButton().click();
        ++n;
    }
    EXPECT_EQ(n, c.endsAt);
    expectEnded(r, c.endsAt);
    EXPECT_EQ(r->cap.Caption(), "Correct!");
    EXPECT_EQ(visiblePicture(r), 2);
    EXPECT_EQ(r->score.Caption(), "Score:  " + std::to_string(n) + " / " + std::to_string(n));
    // Nothing runs on in an ended run.
    const std::string ended = describe(r);
    r.clock.advance(600000);
    EXPECT_EQ(describe(r), ended);
}

INSTANTIATE_TEST_SUITE_P(Limits, EndMode,
                         ::testing::Values(EndCase{"TimeOneMinute", 0, "   1", "   5", 12},
                                           EndCase{"TimeTwoMinutes", 0, "   2", "   5", 24},
                                           EndCase{"NumberFive", 1, "   1", "   5", 5},
                                           EndCase{"NumberFortyPastTheMinutes", 1, "   1", "   40", 40},
                                           EndCase{"NumberZeroEndsAtTheFirstBooking", 1, "   1", "0", 1},
                                           EndCase{"NumberNegativeEndsAtTheFirstBooking", 1, "   1", "-5", 1},
                                           EndCase{"MoreWaitsForTheMinute", 2, "   1", "   5", 12},
                                           EndCase{"MoreWaitsForTheNumber", 2, "   1", "  20", 20},
                                           EndCase{"LessStopsAtTheNumber", 3, "   1", "   5", 5},
                                           EndCase{"LessStopsAtTheMinute", 3, "   1", "  20", 12}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EndOfRun, TimeLimitIsTestedOnlyWhenAProblemIsBooked)
{
    Rig r(true);
    r->setp(0).click();
    r->maxtime.typeText("   1");
    r->Start.click();
    // Nobody answers: time-outs at 7, 14, ..., 56 s; the minute is counted
    // at 60 s while the ninth problem is on display, which still runs.
    r.clock.advance(60000);
    EXPECT_EQ(r.data.elapsed, 1);
    EXPECT_EQ(r.data.totalprobs, 8);
    EXPECT_TRUE(r->keeptime.Enabled());
    EXPECT_TRUE(runStateRow(r));
    const std::string lastProblem = r->cap.Caption();

    r.clock.advance(2999);
    EXPECT_TRUE(r->keeptime.Enabled());
    r.clock.advance(1);  // its time-out at 63 s is the booking that ends the run
    expectEnded(r, 9);
    EXPECT_EQ(r->cap.Caption(), lastProblem);  // a time-out leaves the problem text
    EXPECT_EQ(visiblePicture(r), 1);
}

TEST(EndOfRun, ResumingAnEndedRunPlaysExactlyOneMoreProblemEachTime)
{
    Rig r(true);
    r->MaxNum.typeText("   3");
    r->Start.click();
    for (int k = 0; k < 3; ++k) {
        r.rightButton().click();
    }
    expectEnded(r, 3);

    r->Start.click();
    EXPECT_TRUE(runStateRow(r));
    EXPECT_TRUE(r->keeptime.Enabled());
    EXPECT_EQ(r->cap.Caption(), problemText(r.data, r.current()));
    r.wrongButton().click();
    expectEnded(r, 4);
    EXPECT_EQ(r->cap.Caption(), "Wrong!");
    EXPECT_EQ(r->score.Caption(), "Score:  3 / 4");

    r->Start.click();
    r.clock.advance(7000);  // a time-out books the extra problem as well
    expectEnded(r, 5);
    EXPECT_EQ(r->score.Caption(), "Score:  3 / 5");
}

TEST(EndOfRun, RaisingTheLimitWhileEndedLetsTheRunGoOnUntilItIsReached)
{
    Rig r(true);
    r->MaxNum.typeText("   3");
    r->Start.click();
    for (int k = 0; k < 3; ++k) {
        r.rightButton().click();
    }
    expectEnded(r, 3);
    r->MaxNum.typeText("   6");
    r->Start.click();
    for (int k = 4; k <= 5; ++k) {
        r.rightButton().click();
        EXPECT_TRUE(r->keeptime.Enabled()) << "after booking " << k;
    }
    r.rightButton().click();
    expectEnded(r, 6);
    EXPECT_EQ(r->score.Caption(), "Score:  6 / 6");
}

// When the last fact leaves play the run ends at that booking's draw, with
// the settings open and nothing more booked.
class LastFactLeaves : public ::testing::TestWithParam<char> {};

TEST_P(LastFactLeaves, RunEndsWithTheSettingsOpen)
{
    const char how = GetParam();
    Rig r(true);
    choose(r, 2, {9});  // one fact: 10 - 9
    r->NumRepeat.typeText("   1");
    r->wrongnum.typeText("   1");
    r->Start.click();
    ASSERT_EQ(r->cap.Caption(), "10 - 9");
    if (how == 'R') {
        r.rightButton().click();
    } else if (how == 'W') {
        r.wrongButton().click();
    } else {
        r.clock.advance(7000);
    }
    EXPECT_EQ(r.data.poolcount, 0);
    expectEnded(r, 1);
    EXPECT_EQ(r->cap.Caption(), how == 'R' ? "Correct!" : how == 'W' ? "Wrong!" : "10 - 9");
    EXPECT_TRUE(dataInvariants(r.data));

    // Start finds nothing to ask: the panel stays open, nothing is booked.
    r->Start.click();
    expectEnded(r, 1);
    EXPECT_EQ(r->cap.Caption(), how == 'R' ? "Correct!" : how == 'W' ? "Wrong!" : "10 - 9");

    // Reset rebuilds the table, and the next run asks the fact again.
    r->clear.click();
    r->Start.click();
    EXPECT_EQ(r->cap.Caption(), "10 - 9");
    EXPECT_TRUE(runStateRow(r));
}

INSTANTIATE_TEST_SUITE_P(Bookings, LastFactLeaves, ::testing::Values('R', 'W', 'T'), [](const auto& info) {
    return std::string(info.param == 'R' ? "Right" : info.param == 'W' ? "Wrong" : "TimeOut");
});

}  // namespace
