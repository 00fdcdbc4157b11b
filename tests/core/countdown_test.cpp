// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The countdown and the answer clock in virtual time: what Timecap shows at
// each second, the one-second grace with 0 on show, the time-out at
// ShockTime + 2 s, and the run clock during the time-out wait.

#include <gtest/gtest.h>

#include "run_helpers.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

struct Answertime {
    const char* text;  // as typed into ShockTime before Start
    int seconds;
    // Typed and read by a settings click before `text`, or null.
    const char* earlier = nullptr;
    // Printed by its fields: the struct has padding that must not be read.
    friend void PrintTo(const Answertime& a, std::ostream* os) { *os << '"' << a.text << "\" " << a.seconds; }
};

class CountdownTimeline : public ::testing::TestWithParam<Answertime> {};

TEST_P(CountdownTimeline, ShowsEverySecondThenTimesOutAtShockTimePlusTwoSeconds)
{
    const auto [text, seconds, earlier] = GetParam();
    Rig r(true);
    int timeouts = 0;
    r.tpopView.duringModal = [&] {
        ++timeouts;
        r.tpop.kill.click();
    };
    if (earlier) {  // a settings click reads the answer time with no problem shown
        r->ShockTime.typeText(earlier);
        r->ck(3).click();
        r->ck(3).click();
    }
    r->ShockTime.typeText(text);
    r->Start.click();
    ASSERT_EQ(r->Timershock.Interval(), seconds * 1000 + 2000);

    std::string shown = "Time";  // the resting text until the first tick
    for (int k = 1; k <= seconds + 1; ++k) {
        r.clock.advance(999);
        EXPECT_EQ(r->Timecap.Caption(), shown) << "1 ms before second " << k;
        r.clock.advance(1);
        shown = "Time:  " + std::to_string(seconds + 1 - k);
        EXPECT_EQ(r->Timecap.Caption(), shown) << "at second " << k;
    }
    EXPECT_EQ(shown, "Time:  0");
    EXPECT_EQ(r.data.shockleft, -1);

    // The grace second: 0 stays on show, nothing is booked yet.
    r.clock.advance(999);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  0");
    EXPECT_EQ(timeouts, 0);
    EXPECT_EQ(r->beep.plays(), 0);
    EXPECT_EQ(r.data.totalprobs, 0);

    r.clock.advance(1);
    EXPECT_EQ(r.clock.now(), (seconds + 2) * 1000);
    EXPECT_EQ(timeouts, 1);
    EXPECT_EQ(r->beep.plays(), 1);
    EXPECT_EQ(r.data.totalprobs, 1);
}

INSTANTIATE_TEST_SUITE_P(ShockTimes, CountdownTimeline,
                         ::testing::Values(Answertime{"   1", 1}, Answertime{"   5", 5}, Answertime{"  10", 10},
                                           // An unusable text keeps the time read last, for the
                                           // countdown as for the answer clock.
                                           Answertime{"   ", 8, "   8"}, Answertime{"abc", 1, "1"}),
                         [](const auto& info) {
                             return "Seconds" + std::to_string(info.param.seconds) +
                                    (info.param.earlier ? "AfterASettingsClick" : "");
                         });

// While 0 is on show (from ShockTime + 1 s up to 1 ms before the time-out)
// a click is an answer, judged as such; the next problem gets a fresh clock.
class ClickDuringGrace : public ::testing::TestWithParam<std::tuple<int, bool>> {};

TEST_P(ClickDuringGrace, CountsAsAnAnswerNotAsATimeOut)
{
    const auto [atMs, right] = GetParam();
    Rig r(true);
    int timeouts = 0;
    r.tpopView.duringModal = [&] { ++timeouts; };
    r->Start.click();
    r.clock.advance(atMs);
    ASSERT_EQ(r->Timecap.Caption(), "Time:  0");
    (right ? r.rightButton() : r.wrongButton()).click();

    EXPECT_EQ(timeouts, 0);
    EXPECT_EQ(r.data.totalprobs, 1);
    EXPECT_EQ(r.data.totalright, right ? 1 : 0);
    EXPECT_EQ(r->scor.plays(), right ? 1 : 0);
    EXPECT_EQ(r->beep.plays(), right ? 0 : 1);  // a wrong answer beeps once, no time-out beep
    EXPECT_FALSE(r.tpop.Modal());

    // The next problem runs its own 7 s from the click.
    r.clock.advance(6999);
    EXPECT_EQ(timeouts, 0);
    r.clock.advance(1);
    EXPECT_EQ(timeouts, 1);
}

INSTANTIATE_TEST_SUITE_P(EdgesOfTheGrace, ClickDuringGrace,
                         ::testing::Combine(::testing::Values(6000, 6500, 6999), ::testing::Bool()));

// After a time-out has been waited out for any length of time, the next
// problem still gets its whole answer time, counted from when it is shown.
class WaitLength : public ::testing::TestWithParam<int> {};

TEST_P(WaitLength, NextProblemGetsItsFullTimeAfterTheWait)
{
    const int wait = GetParam();
    Rig r(true);
    int timeouts = 0;
    r.tpopView.duringModal = [&] {
        if (++timeouts == 1) {
            r.clock.advance(wait);
        }
        r.tpop.kill.click();
    };
    r->setp(0).click();  // end by time, 30 minutes: a long wait must not end the run
    r->maxtime.typeText("  30");
    r->Start.click();
    r.clock.advance(7000);
    ASSERT_EQ(timeouts, 1);
    const std::int64_t shownAt = r.clock.now();
    EXPECT_EQ(shownAt, 7000 + wait);
    EXPECT_TRUE(r->Timershock.Enabled());

    // The first second of the new problem still shows the last value.
    r.clock.advance(999);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  0");
    r.clock.advance(1);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  5");
    r.clock.advance(5999);
    EXPECT_EQ(timeouts, 1);
    r.clock.advance(1);
    EXPECT_EQ(timeouts, 2);
    EXPECT_EQ(r.clock.now(), shownAt + 7000);
}

INSTANTIATE_TEST_SUITE_P(Waits, WaitLength, ::testing::Values(0, 1, 999, 1000, 7000, 59999, 61000, 600000));

// During the first second of a problem Timecap still shows what it showed
// before: the last value of the previous problem, or "Time" after a pause.
TEST(Countdown, FirstSecondOfAProblemShowsTheTextLeftFromBefore)
{
    Rig r(true);
    r->Start.click();
    r.clock.advance(2500);  // ticks at 1 s and 2 s: 5, then 4
    ASSERT_EQ(r->Timecap.Caption(), "Time:  4");
    r.rightButton().click();
    r.clock.advance(999);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  4");
    r.clock.advance(1);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  5");

    r->Stop.click();
    r.clock.advance(10000);
    r->Start.click();
    r.clock.advance(999);
    EXPECT_EQ(r->Timecap.Caption(), "Time");
    r.clock.advance(1);
    EXPECT_EQ(r->Timecap.Caption(), "Time:  5");
}

TEST(Countdown, MinutesSpentInTheTimeOutWaitCountTowardsElapsed)
{
    Rig r(true);
    int timeouts = 0;
    r.tpopView.duringModal = [&] {
        if (++timeouts == 1) {
            EXPECT_TRUE(r->keeptime.Enabled());
            EXPECT_FALSE(r->countdown.Enabled());
            EXPECT_FALSE(r->Timershock.Enabled());
            r.clock.advance(150000);  // from 7 s to 157 s: the minutes at 60 s and 120 s
            EXPECT_EQ(r.data.elapsed, 2);
            EXPECT_EQ(r.data.totalprobs, 0);  // booked only after the wait
        }
        r.tpop.kill.click();
    };
    r->Start.click();
    r.clock.advance(7000);
    ASSERT_EQ(timeouts, 1);
    EXPECT_EQ(r.data.elapsed, 2);
    EXPECT_EQ(r.data.totalprobs, 1);
    // The run clock kept its rhythm through the wait: the third minute is
    // counted at 180 s.
    r.clock.advance(180000 - r.clock.now() - 1);
    EXPECT_EQ(r.data.elapsed, 2);
    r.clock.advance(1);
    EXPECT_EQ(r.data.elapsed, 3);
}

}  // namespace
