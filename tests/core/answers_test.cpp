// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Judging answers and the feedback the pupil gets: chime or beep, picture,
// the popup with the right answer, the score line, and the time-out.

#include <gtest/gtest.h>

#include "run_helpers.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

constexpr const char* kWrongHeadline = " ^.^ !! Wrong Answer !! ^.^ ";
constexpr const char* kTimeOutHeadline = " ^_^ !!Time Out!! ^_^ ";

// Right exactly when the clicked button is but(rightslot - 1).
class Judgement : public ::testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(Judgement, ClickedButtonAgainstTheRightSlot)
{
    const auto [slot, index] = GetParam();
    const bool right = index + 1 == slot;
    Rig r(true);
    queueDraw(r, 1, slot);
    r->Start.click();
    ASSERT_EQ(r.data.rightslot, slot);
    r->but(index).click();

    EXPECT_EQ(r.data.totalprobs, 1);
    EXPECT_EQ(r.data.totalright, right ? 1 : 0);
    EXPECT_EQ(r->scor.plays(), right ? 1 : 0);
    EXPECT_EQ(r->beep.plays(), right ? 0 : 1);
    EXPECT_EQ(visiblePicture(r), right ? 2 : 3);
    EXPECT_EQ(r.tpop.IsLoaded(), !right);
    EXPECT_EQ(r.data.facts(1).timesright, right ? 1 : 0);
    EXPECT_EQ(r.data.facts(1).timeswrong, right ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(AllSlotsAllButtons, Judgement,
                         ::testing::Combine(::testing::Values(1, 2, 3), ::testing::Values(0, 1, 2)));

TEST(RightAnswer, ChimesOnceShowsTheSmileAndGoesStraightOn)
{
    Rig r(true);
    r->Start.click();  // addition 1..10: the empty script draws pool(1), 1 + 1
    ASSERT_EQ(r->cap.Caption(), "1 + 1");
    r.clock.advance(2000);
    r.rightButton().click();

    EXPECT_EQ(r->scor.plays(), 1);
    EXPECT_EQ(r->beep.plays(), 0);
    EXPECT_EQ(visiblePicture(r), 2);
    EXPECT_EQ(r.tpop.creations(), 0);
    EXPECT_EQ(r.data.lastright, 0);  // cleared by the booking
    EXPECT_EQ(r->score.Caption(), "Score:  1 / 1");
    // The run goes on, so the next problem replaced "Correct!" at once.
    EXPECT_EQ(r->cap.Caption(), "1 + 1");
    EXPECT_EQ(r.clock.untilNextTick(r->Timershock), 7000);
    EXPECT_EQ(r.clock.untilNextTick(r->countdown), 1000);
    EXPECT_TRUE(runStateRow(r));
}

class WrongAnswer : public ::testing::Test {
protected:
    void SetUp() override
    {
        r->wrongnum.typeText("   1");  // a miss leaves play at once, so the next problem differs
        r.tpopView.duringModal = [this] { ++modalShows; };
        r->Start.click();
        ASSERT_EQ(r->cap.Caption(), "1 + 1");
        r.clock.advance(3000);
    }
    Rig r{true};
    int modalShows = 0;
};

TEST_F(WrongAnswer, BeepsShowsThePopupModelessAndTheNextProblemRuns)
{
    r.wrongButton().click();

    EXPECT_EQ(r->beep.plays(), 1);
    EXPECT_EQ(r->scor.plays(), 0);
    EXPECT_EQ(visiblePicture(r), 3);
    EXPECT_TRUE(r.tpop.IsLoaded());
    EXPECT_TRUE(r.tpop.Visible());
    EXPECT_FALSE(r.tpop.Modal());
    EXPECT_EQ(modalShows, 0);
    EXPECT_EQ(r.tpop.Label1.Caption(), kWrongHeadline);
    EXPECT_EQ(r.tpop.giveanswer.Caption(), "1 + 1 = 2");
    // The main window is usable and already shows the next problem.
    EXPECT_FALSE(r->inputBlocked());
    EXPECT_EQ(r->cap.Caption(), "1 + 2");
    EXPECT_EQ(r.clock.untilNextTick(r->Timershock), 7000);
    EXPECT_EQ(r->score.Caption(), "Score:  0 / 1");
    EXPECT_TRUE(runStateRow(r));
}

TEST_F(WrongAnswer, SecondMissKeepsOnePopupWithTheNewAnswerLine)
{
    r.wrongButton().click();
    r.clock.advance(2000);
    r.wrongButton().click();

    EXPECT_EQ(r.tpop.creations(), 1);
    EXPECT_TRUE(r.tpop.Visible());
    EXPECT_EQ(r.tpop.Label1.Caption(), kWrongHeadline);
    EXPECT_EQ(r.tpop.giveanswer.Caption(), "1 + 2 = 3");
    EXPECT_EQ(r->beep.plays(), 2);
}

TEST_F(WrongAnswer, OkDestroysThePopupAndTheNextMissCreatesItAfresh)
{
    r.wrongButton().click();
    r.tpop.kill.click();
    EXPECT_FALSE(r.tpop.IsLoaded());
    EXPECT_FALSE(r.tpop.Visible());
    EXPECT_EQ(r.data.totalprobs, 1);  // OK books nothing and restarts nothing
    EXPECT_TRUE(runStateRow(r));

    r.wrongButton().click();
    EXPECT_EQ(r.tpop.creations(), 2);
    EXPECT_EQ(r.tpop.giveanswer.Caption(), "1 + 2 = 3");
}

// The time-out: beep, question marks, a modal popup; the main window takes
// no input until it is dismissed, and only then is the problem booked.
class TimeOut : public ::testing::TestWithParam<bool> {};

TEST_P(TimeOut, WaitsOnAModalPopupThenBooksAMiss)
{
    const bool byFrame = GetParam();
    Rig r(true);
    int waits = 0;
    r.tpopView.duringModal = [&] {
        ++waits;
        EXPECT_EQ(r->beep.plays(), 1);
        EXPECT_EQ(visiblePicture(r), 1);
        EXPECT_TRUE(r.tpop.Visible());
        EXPECT_TRUE(r.tpop.Modal());
        EXPECT_EQ(r.tpop.Label1.Caption(), kTimeOutHeadline);
        EXPECT_EQ(r.tpop.giveanswer.Caption(), "1 + 1 = 2");
        EXPECT_EQ(r->cap.Caption(), "1 + 1");  // a time-out writes nothing on cap
        EXPECT_TRUE(r->inputBlocked());
        EXPECT_TRUE(answerButtonsEnabled(r, true));
        EXPECT_FALSE(r->countdown.Enabled());
        EXPECT_FALSE(r->Timershock.Enabled());

        // Nothing on the main window answers during the wait.
        const std::string before = describe(r);
        r->Start.click();
        r->Stop.click();
        r->clear.click();
        r->but(0).click();
        r->but(1).click();
        r->but(2).click();
        // Every control made on the window is held by the wait, whatever kind.
        for (Control* control : r->controls()) {
            if (auto* button = dynamic_cast<CommandButton*>(control)) {
                button->click();
            } else if (auto* box = dynamic_cast<CheckBox*>(control)) {
                box->click();
            } else if (auto* option = dynamic_cast<OptionButton*>(control)) {
                option->click();
            } else if (auto* combo = dynamic_cast<ComboBox*>(control)) {
                const std::string text = combo->Text();
                combo->typeText("9");
                EXPECT_EQ(combo->Text(), text) << combo->name();
            }
        }
        EXPECT_EQ(describe(r), before);
        EXPECT_EQ(r.data.totalprobs, 0);

        if (byFrame) {
            r.tpop.Unload();  // the window's close button
        } else {
            r.tpop.kill.click();
        }
    };
    r->Start.click();
    r.clock.advance(7000);

    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(r.tpop.IsLoaded());
    EXPECT_FALSE(r->inputBlocked());
    EXPECT_EQ(r.data.totalprobs, 1);
    EXPECT_EQ(r.data.totalright, 0);
    EXPECT_EQ(r.data.facts(1).timeswrong, 1);
    EXPECT_EQ(r->score.Caption(), "Score:  0 / 1");
    EXPECT_EQ(lifeState(r.data, 1), "review 4");  // wrongrepeat 5, the time-out counted
    EXPECT_EQ(r->beep.plays(), 1);
    EXPECT_EQ(r->scor.plays(), 0);
    EXPECT_EQ(visiblePicture(r), 1);  // stays into the next problem
    EXPECT_TRUE(runStateRow(r));
}

INSTANTIATE_TEST_SUITE_P(Dismissals, TimeOut, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "ByFrame" : "ByOk"; });

TEST(TimeOut, WithTheWrongAnswerPopupStillOpenComesUpAsOneFreshModalPopup)
{
    Rig r(true);
    r->wrongnum.typeText("1");
    int waits = 0;
    r.tpopView.duringModal = [&] {
        ++waits;
        EXPECT_EQ(r.tpop.creations(), 2);
        EXPECT_TRUE(r.tpop.Modal());
        EXPECT_EQ(r.tpop.Label1.Caption(), kTimeOutHeadline);
        EXPECT_EQ(r.tpop.giveanswer.Caption(), "1 + 2 = 3");  // the fact that timed out
        EXPECT_EQ(r.data.totalprobs, 1);
        r.tpop.kill.click();
    };
    r->Start.click();
    r.clock.advance(1000);
    r.wrongButton().click();
    ASSERT_TRUE(r.tpop.Visible());
    ASSERT_EQ(r.tpop.creations(), 1);

    r.clock.advance(7000);
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(r.tpop.IsLoaded());
    EXPECT_EQ(r.data.totalprobs, 2);
    EXPECT_EQ(r.data.facts(2).timeswrong, 1);
    EXPECT_EQ(r->beep.plays(), 2);
    EXPECT_EQ(r->score.Caption(), "Score:  0 / 2");
    EXPECT_TRUE(runStateRow(r));
}

TEST(Score, CountsRightAnswersOverBookedProblems)
{
    Rig r(true);
    r->Start.click();
    int right = 0;
    int problems = 0;
    for (char booking : std::string("RRWRRTRRR")) {
        if (booking == 'R') {
            r.rightButton().click();
            ++right;
        } else if (booking == 'W') {
            r.wrongButton().click();
        } else {
            r.clock.advance(7000);
        }
        ++problems;
        EXPECT_EQ(r->score.Caption(), "Score:  " + std::to_string(right) + " / " + std::to_string(problems));
    }
    EXPECT_EQ(r->score.Caption(), "Score:  7 / 9");
    EXPECT_EQ(r->scor.plays(), 7);
    EXPECT_EQ(r->beep.plays(), 2);
}

struct LineCase {
    const char* name;
    int optype;
    int number;
    bool plusTen;
    int position;  // of the fact in the table
    const char* problem;
    const char* line;
    // Printed by name: the struct has padding that must not be read.
    friend void PrintTo(const LineCase& c, std::ostream* os) { *os << c.name; }
};

class AnswerLine : public ::testing::TestWithParam<LineCase> {};

TEST_P(AnswerLine, WrongAnswerAndTimeOutShowTheFactWithItsAnswer)
{
    const LineCase c = GetParam();
    for (const bool timeOut : {false, true}) {
        SCOPED_TRACE(timeOut ? "time-out" : "wrong answer");
        Rig r(true);
        choose(r, c.optype, {c.number}, c.plusTen);
        std::string lineDuringWait;
        r.tpopView.duringModal = [&] { lineDuringWait = r.tpop.giveanswer.Caption(); };
        queueDraw(r, c.position);
        r->Start.click();
        ASSERT_EQ(r->cap.Caption(), c.problem);
        if (timeOut) {
            r.clock.advance(7000);
            EXPECT_EQ(lineDuringWait, c.line);
        } else {
            r.wrongButton().click();
            EXPECT_EQ(r.tpop.giveanswer.Caption(), c.line);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Operations, AnswerLine,
                         ::testing::Values(LineCase{"Times", 3, 3, false, 9, "3 x 9", "3 x 9 = 27"},
                                           LineCase{"TimesLongest", 3, 10, false, 10, "10 x 10", "10 x 10 = 100"},
                                           LineCase{"MinusPlusTen", 2, 5, true, 7, "12 - 5", "12 - 5 = 7"},
                                           LineCase{"Minus", 2, 6, false, 4, "10 - 6", "10 - 6 = 4"},
                                           LineCase{"Plus", 1, 8, false, 7, "8 + 7", "8 + 7 = 15"},
                                           LineCase{"PlusTen", 1, 10, true, 20, "10 + 20", "10 + 20 = 30"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
