// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The feedback popup: the answer line it writes for the fact on display, and
// its life from Load through a modeless or modal show to OK.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rig.h"

using namespace korvane;
using korvane::testing::Rig;
using korvane::testing::ScriptedView;

namespace {

// A drill state with one fact on display, stored away from the first entry
// so the popup must follow curfact to find it.
struct OneFact {
    Data data;
    Tpop tpop{data};
    ScriptedView view;

    OneFact(int optype, int num1, int num2, int answer, int at = 137)
    {
        put(optype, num1, num2, answer, at);
        tpop.setView(&view);
    }
    void put(int optype, int num1, int num2, int answer, int at)
    {
        data.optype = static_cast<std::int16_t>(optype);
        data.curfact = static_cast<std::int16_t>(at);
        data.facts(at) = Fact{static_cast<std::int16_t>(num1),
                              static_cast<std::int16_t>(num2),
                              static_cast<std::int16_t>(answer),
                              -1,
                              0,
                              0};
    }
};

std::string expectedLine(int optype, const Fact& f)
{
    const char* op = optype == 1 ? " + " : optype == 2 ? " - " : " x ";
    return std::to_string(f.num1) + op + std::to_string(f.num2) + " = " + std::to_string(f.answer);
}

}  // namespace

// ---- the answer line ----------------------------------------------------------

struct LineCase {
    int optype;
    int num1;
    int num2;
    int answer;
    const char* line;
};

class AnswerLineTest : public ::testing::TestWithParam<LineCase> {};

TEST_P(AnswerLineTest, ShowsTheFactInStoredOrderWithItsOperatorAndAnswer)
{
    const LineCase& c = GetParam();
    OneFact s(c.optype, c.num1, c.num2, c.answer);
    EXPECT_EQ(answerLine(c.optype, s.data.facts(137)), c.line);
    s.tpop.Load();
    EXPECT_EQ(s.tpop.giveanswer.Caption(), c.line);
}

INSTANTIATE_TEST_SUITE_P(Operations, AnswerLineTest,
                         ::testing::Values(LineCase{1, 7, 5, 12, "7 + 5 = 12"}, LineCase{1, 8, 7, 15, "8 + 7 = 15"},
                                           LineCase{1, 4, 20, 24, "4 + 20 = 24"}, LineCase{2, 14, 6, 8, "14 - 6 = 8"},
                                           LineCase{2, 12, 5, 7, "12 - 5 = 7"}, LineCase{3, 3, 9, 27, "3 x 9 = 27"},
                                           LineCase{3, 4, 6, 24, "4 x 6 = 24"},
                                           LineCase{3, 10, 10, 100, "10 x 10 = 100"}));

// ---- Load -----------------------------------------------------------------------

TEST(PopupLoad, FirstLoadCreatesHiddenAndALoadWhileOpenRewritesTheLineWithoutANewWindow)
{
    OneFact s(1, 8, 7, 15);
    ASSERT_EQ(s.tpop.creations(), 0);
    s.tpop.Load();
    EXPECT_TRUE(s.tpop.IsLoaded());
    EXPECT_FALSE(s.tpop.Visible());
    EXPECT_EQ(s.tpop.creations(), 1);
    EXPECT_EQ(s.tpop.Label1.Caption(), "");
    EXPECT_EQ(s.tpop.giveanswer.Caption(), "8 + 7 = 15");
    s.tpop.Label1.setCaption(" ^.^ !! Wrong Answer !! ^.^ ");
    s.tpop.ShowModeless();

    s.put(1, 6, 9, 15, 42);
    s.tpop.Load();
    EXPECT_EQ(s.tpop.creations(), 1);
    EXPECT_TRUE(s.tpop.Visible());
    EXPECT_EQ(s.tpop.giveanswer.Caption(), "6 + 9 = 15");
    EXPECT_EQ(s.tpop.Label1.Caption(), " ^.^ !! Wrong Answer !! ^.^ ");
    EXPECT_EQ(s.view.calls, (std::vector<std::string>{"created", "showModeless"}));
}

TEST(PopupLoad, LoadAfterUnloadCreatesAFreshPopupWithTheHeadlineCleared)
{
    OneFact s(2, 14, 6, 8);
    s.tpop.Load();
    s.tpop.Label1.setCaption(" ^_^ !!Time Out!! ^_^ ");
    s.tpop.Unload();
    EXPECT_FALSE(s.tpop.IsLoaded());
    const int before = s.tpop.creations();

    s.put(3, 4, 6, 24, 9);
    s.tpop.Load();
    EXPECT_TRUE(s.tpop.IsLoaded());
    EXPECT_EQ(s.tpop.creations(), before + 1);
    EXPECT_EQ(s.tpop.Label1.Caption(), "");
    EXPECT_EQ(s.tpop.giveanswer.Caption(), "4 x 6 = 24");
}

// ---- showing and dismissing ------------------------------------------------------

TEST(PopupShow, ModelessShowReturnsAtOnceAndLeavesThePopupUp)
{
    OneFact s(1, 7, 5, 12);
    bool stepRan = false;
    s.view.duringModal = [&] { stepRan = true; };
    s.tpop.Load();
    s.tpop.ShowModeless();
    EXPECT_FALSE(stepRan);
    EXPECT_TRUE(s.tpop.IsLoaded());
    EXPECT_TRUE(s.tpop.Visible());
    EXPECT_FALSE(s.tpop.Modal());
    // Showing it again only brings it forward.
    s.tpop.ShowModeless();
    EXPECT_EQ(s.tpop.creations(), 1);
    EXPECT_TRUE(s.tpop.Visible());
}

struct ModalCase {
    const char* name;
    bool hasStep;
    bool pressesOk;
    // Printed by its fields: gtest would otherwise read the padding bytes.
    friend void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.name; }
};

class ModalShowTest : public ::testing::TestWithParam<ModalCase> {};

TEST_P(ModalShowTest, ReturnsOnlyWithThePopupGone)
{
    const ModalCase& c = GetParam();
    OneFact s(2, 12, 5, 7);
    int steps = 0;
    bool upDuringWait = false;
    if (c.hasStep) {
        s.view.duringModal = [&] {
            ++steps;
            upDuringWait = s.tpop.IsLoaded() && s.tpop.Visible() && s.tpop.Modal() &&
                           s.tpop.giveanswer.Caption() == "12 - 5 = 7" &&
                           s.tpop.Label1.Caption() == " ^_^ !!Time Out!! ^_^ ";
            if (c.pressesOk) {
                s.tpop.kill.click();
            }
        };
    }
    s.tpop.Load();
    s.tpop.Label1.setCaption(" ^_^ !!Time Out!! ^_^ ");
    s.tpop.ShowModal();
    EXPECT_EQ(steps, c.hasStep ? 1 : 0);
    EXPECT_EQ(upDuringWait, c.hasStep);
    EXPECT_FALSE(s.tpop.IsLoaded());
    EXPECT_FALSE(s.tpop.Visible());
    EXPECT_FALSE(s.tpop.Modal());
    EXPECT_EQ(s.tpop.creations(), 1);
}

INSTANTIATE_TEST_SUITE_P(Waits, ModalShowTest,
                         ::testing::Values(ModalCase{"OkPressed", true, true}, ModalCase{"OkNotPressed", true, false},
                                           ModalCase{"NoStep", false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(PopupShow, ModalShowOfAPopupAlreadyUpFromAMissUsesThatPopupAndEndsWithItGone)
{
    OneFact s(1, 7, 5, 12);
    s.tpop.Load();
    s.tpop.ShowModeless();
    s.put(1, 9, 9, 18, 3);
    s.tpop.Load();
    s.tpop.ShowModal();
    EXPECT_EQ(s.tpop.creations(), 1);
    EXPECT_FALSE(s.tpop.IsLoaded());
    EXPECT_EQ(s.view.calls, (std::vector<std::string>{"created", "showModeless", "runModal", "destroyed"}));
}

TEST(PopupShow, OkUnloadsThePopupOnceAndNothingElse)
{
    OneFact s(3, 10, 10, 100);
    s.tpop.Load();
    s.tpop.ShowModeless();
    s.tpop.kill.click();
    EXPECT_FALSE(s.tpop.IsLoaded());
    EXPECT_FALSE(s.tpop.Visible());
    s.tpop.Unload();
    EXPECT_EQ(s.view.calls, (std::vector<std::string>{"created", "showModeless", "destroyed"}));
}

// ---- brought up by the main window ------------------------------------------------

TEST(PopupFromTheDrill, EachWrongAnswerShowsTheMissedFactInOneModelessPopup)
{
    Rig r;
    r->Start.click();
    for (int miss = 1; miss <= 3; ++miss) {
        const Fact missed = r.current();
        r.wrongButton().click();
        ASSERT_TRUE(r.tpop.IsLoaded());
        EXPECT_TRUE(r.tpop.Visible());
        EXPECT_FALSE(r.tpop.Modal());
        EXPECT_EQ(r.tpop.creations(), 1) << "miss " << miss;
        EXPECT_EQ(r.tpop.Label1.Caption(), " ^.^ !! Wrong Answer !! ^.^ ");
        EXPECT_EQ(r.tpop.giveanswer.Caption(), expectedLine(1, missed));
        EXPECT_EQ(r->cap.Caption(), std::to_string(r.current().num1) + " + " + std::to_string(r.current().num2));
    }
    r.tpop.kill.click();
    EXPECT_FALSE(r.tpop.IsLoaded());
    EXPECT_TRUE(r->but(0).Enabled());

    const Fact missed = r.current();
    r.wrongButton().click();
    EXPECT_EQ(r.tpop.creations(), 2);
    EXPECT_EQ(r.tpop.giveanswer.Caption(), expectedLine(1, missed));
}

// A time-out's popup is made once and unloaded once, whatever ends its wait;
// one still open from a miss is unloaded before the fresh one is made.
struct TimeOutCase {
    const char* name;
    bool missFirst;
    enum { kNothing, kOk, kFrame } dismissal;
    std::vector<std::string> calls;
    friend void PrintTo(const TimeOutCase& c, std::ostream* os) { *os << c.name; }
};

class TimeOutPopupLife : public ::testing::TestWithParam<TimeOutCase> {};

TEST_P(TimeOutPopupLife, IsUnloadedOnceWhenTheWaitEnds)
{
    const TimeOutCase& c = GetParam();
    Rig r;
    r.tpopView.duringModal = [&] {
        if (c.dismissal == TimeOutCase::kOk) {
            r.tpop.kill.click();
        } else if (c.dismissal == TimeOutCase::kFrame) {
            r.tpop.Unload();
        }
    };
    r->Start.click();
    if (c.missFirst) {
        r.clock.advance(1000);
        r.wrongButton().click();
    }
    r.clock.advance(7000);
    EXPECT_EQ(r.tpopView.calls, c.calls);
    EXPECT_FALSE(r.tpop.IsLoaded());
    EXPECT_FALSE(r->inputBlocked());
}

const std::vector<std::string> kOneModalLife{"created", "runModal", "destroyed"};

INSTANTIATE_TEST_SUITE_P(Waits, TimeOutPopupLife,
                         ::testing::Values(TimeOutCase{"Ok", false, TimeOutCase::kOk, kOneModalLife},
                                           TimeOutCase{"Frame", false, TimeOutCase::kFrame, kOneModalLife},
                                           TimeOutCase{"WaitEndsByItself", false, TimeOutCase::kNothing, kOneModalLife},
                                           TimeOutCase{"AfterAMiss",
                                                       true,
                                                       TimeOutCase::kOk,
                                                       {"created", "showModeless", "destroyed", "created", "runModal",
                                                        "destroyed"}}),
                         [](const auto& info) { return std::string(info.param.name); });
