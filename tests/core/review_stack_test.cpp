// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The life of a fact: in play, under review, out of play by right answers
// or by review; the review stack's order and the review path of the draw.
//
// Every test plays addition with the number 1 only, so the table holds ten
// facts, fact k being 1 + k at pool position k until something leaves.

#include <gtest/gtest.h>

#include "run_helpers.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

void setUpRun(Rig& r, const char* wrongnum, const char* numrepeat)
{
    choose(r, 1, {1});
    r->wrongnum.typeText(wrongnum);
    r->NumRepeat.typeText(numrepeat);
}

// Books the problem on display: 'R' right, 'W' wrong, 'T' time-out.
void book(Rig& r, char how)
{
    switch (how) {
    case 'R':
        r.rightButton().click();
        break;
    case 'W':
        r.wrongButton().click();
        break;
    default:
        r.clock.advance(r->Timershock.Interval());
        break;
    }
}

struct LifeRow {
    const char* name;
    const char* wrongnum;
    const char* numrepeat;
    std::string bookings;             // of the one fact followed, in order
    std::vector<std::string> states;  // its state after each booking
    // Printed by name: gtest would otherwise read the strings' unused bytes.
    friend void PrintTo(const LifeRow& c, std::ostream* os) { *os << c.name; }
};

class FactLife : public ::testing::TestWithParam<LifeRow> {};

TEST_P(FactLife, EachBookingMovesTheFactAsTheTableSays)
{
    const LifeRow row = GetParam();
    ASSERT_EQ(row.bookings.size(), row.states.size());
    constexpr int kFact = 3;
    Rig r(true);
    setUpRun(r, row.wrongnum, row.numrepeat);
    queueDraw(r, kFact);
    r->Start.click();

    int right = 0;
    int wrong = 0;
    for (std::size_t i = 0; i < row.bookings.size(); ++i) {
        SCOPED_TRACE("booking " + std::to_string(i + 1) + " '" + row.bookings[i] + "'");
        ASSERT_EQ(r.data.curfact, kFact);
        const std::string& after = row.states[i];
        // Show the same fact next while it is still in play: from the
        // review path when its turn comes, else drawn from the pool.
        if (after.rfind("review", 0) == 0 && r.data.reviewgap == 0) {
            queueDraw(r, 1, 1, 5);
        } else if (after == "play" || after.rfind("review", 0) == 0) {
            queueDraw(r, kFact);
        } else {
            queueDraw(r, 1);
        }
        book(r, row.bookings[i]);
        (row.bookings[i] == 'R' ? right : wrong) += 1;

        EXPECT_EQ(lifeState(r.data, kFact), after);
        EXPECT_EQ(r.data.facts(kFact).timesright, right);
        EXPECT_EQ(r.data.facts(kFact).timeswrong, wrong);
        EXPECT_EQ(r.scripted.remaining(), 0u);
        EXPECT_TRUE(dataInvariants(r.data));
        EXPECT_TRUE(runStateRow(r));
    }

    if (lifeState(r.data, kFact).rfind("out", 0) == 0) {
        // Out of play: whatever the draw, the fact is not asked again.
        for (int k = 0; k < 8 && r->keeptime.Enabled(); ++k) {
            EXPECT_NE(r.data.curfact, kFact);
            queueDraw(r, 1 + k % 7);
            r.wrongButton().click();
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, FactLife,
    ::testing::Values(
        LifeRow{"RightBelowRetireatStaysInPlay", "5", "3", "RR", {"play", "play"}},
        LifeRow{"RetireatthRightAnswerTakesItOutOfPlay", "5", "3", "RRR", {"play", "play", "out by right"}},
        LifeRow{"MissWithWrongRepeat1LeavesAtOnce", "1", "3", "W", {"out by review"}},
        LifeRow{"TimeOutWithWrongRepeat1LeavesAtOnce", "1", "3", "T", {"out by review"}},
        LifeRow{"WrongRepeat2GivesOneMorePresentation", "2", "3", "WR", {"review 1", "out by review"}},
        LifeRow{"TimeOutsCountLikeMisses", "2", "3", "TT", {"review 1", "out by review"}},
        LifeRow{"WrongRepeat5CountsEveryKindOfAnswer",
                "5",
                "3",
                "WRWTR",
                {"review 4", "review 3", "review 2", "review 1", "out by review"}},
        LifeRow{"MissesUnderReviewDoNotRenewTheCount", "3", "3", "WWW", {"review 2", "review 1", "out by review"}},
        LifeRow{"RightAnswersPastRetireatWaitForTheReviewToEnd",
                "5",
                "1",
                "WRRRR",
                {"review 4", "review 3", "review 2", "review 1", "out by review"}},
        LifeRow{"MissAfterRightAnswersLeavesByReviewNotByRight",
                "2",
                "3",
                "RRWR",
                {"play", "play", "review 1", "out by review"}}),
    [](const auto& info) { return std::string(info.param.name); });

// The first miss after start-up comes back as the very next problem (the
// gap starts at 0); then it returns after exactly the drawn number of pool
// problems.
class ReviewGap : public ::testing::TestWithParam<int> {};

TEST_P(ReviewGap, MissedFactReturnsAfterTheDrawnNumberOfPoolProblems)
{
    const int gap = GetParam();
    Rig r(true);
    setUpRun(r, "5", "10");
    queueDraw(r, 3);
    r->Start.click();

    queueDraw(r, 1, 1, gap);
    r.wrongButton().click();
    EXPECT_EQ(r.data.curfact, 3);
    EXPECT_EQ(r.data.pickslot, 1);  // drawn, then replaced by the head of the stack
    EXPECT_EQ(r.data.reviewgap, gap);
    EXPECT_EQ(lifeState(r.data, 3), "review 4");

    for (int p = 1; p <= gap; ++p) {
        queueDraw(r, 3 + p);
        r.rightButton().click();
        EXPECT_EQ(r.data.curfact, 3 + p) << "pool problem " << p;
        EXPECT_EQ(r.data.reviewgap, gap - p);
        EXPECT_EQ(stackOf(r.data), std::vector<int>{3});
    }
    queueDraw(r, 9, 1, 2);
    r.rightButton().click();
    EXPECT_EQ(r.data.curfact, 3);
    EXPECT_EQ(r.data.reviewgap, 2);
    EXPECT_EQ(lifeState(r.data, 3), "review 3");
    EXPECT_EQ(r.scripted.remaining(), 0u);
}

INSTANTIATE_TEST_SUITE_P(Gaps, ReviewGap, ::testing::Values(1, 2, 3, 4, 5));

TEST(ReviewStack, FactUnderReviewDrawnFromThePoolCountsAndLeavesFromPickslot)
{
    Rig r(true);
    setUpRun(r, "3", "10");
    queueDraw(r, 3);
    r->Start.click();
    queueDraw(r, 1, 1, 2);
    r.wrongButton().click();  // review 2, shown again from the review path
    queueDraw(r, 3);
    r.rightButton().click();  // review 1; the pool draw hits it while the gap runs
    ASSERT_EQ(r.data.curfact, 3);
    ASSERT_EQ(r.data.pickslot, 3);
    EXPECT_EQ(r.data.reviewgap, 1);

    queueDraw(r, 1);
    r.rightButton().click();
    EXPECT_EQ(lifeState(r.data, 3), "out by review");
    EXPECT_EQ(poolOf(r.data), (std::vector<int>{1, 2, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(stackOf(r.data).empty());
    EXPECT_EQ(r.data.curfact, 1);
    EXPECT_EQ(r.data.reviewgap, 1);  // an empty stack leaves the gap alone
    EXPECT_EQ(r.data.facts(3).timesright, 2);
    EXPECT_EQ(r.data.facts(3).timeswrong, 1);
}

TEST(ReviewStack, ReviewEndingOnTheReviewPathTakesOutItsOwnEntryNotThePickslotOne)
{
    Rig r(true);
    setUpRun(r, "2", "10");
    queueDraw(r, 5);
    r->Start.click();
    queueDraw(r, 1, 1, 3);
    r.wrongButton().click();
    ASSERT_EQ(r.data.curfact, 5);
    ASSERT_EQ(r.data.pickslot, 1);  // fact 1 was drawn, the review head shown

    queueDraw(r, 1);
    r.wrongButton().click();
    EXPECT_EQ(lifeState(r.data, 5), "out by review");
    EXPECT_EQ(lifeState(r.data, 1), "play");
    EXPECT_EQ(poolOf(r.data), (std::vector<int>{1, 2, 3, 4, 6, 7, 8, 9, 10}));
    EXPECT_TRUE(dataInvariants(r.data));
}

TEST(ReviewStack, ReviewEndingInTheMiddleOfTheStackKeepsTheHeadInPlace)
{
    constexpr int A = 2;
    constexpr int B = 4;
    constexpr int C = 6;
    Rig r(true);
    setUpRun(r, "5", "10");
    queueDraw(r, A);
    r->Start.click();

    // Each step: the draws queued for the next problem, then the booking.
    struct Step {
        int pick;
        int gap;
        char booking;
        int next;  // the fact shown next
    };
    const Step steps[] = {
        {1, 5, 'W', A},  // A missed: comes straight back from the stack, gap 5
        {B, 0, 'R', B},  // gap 4
        {C, 0, 'W', C},  // B missed, gap 3
        {B, 0, 'W', B},  // C missed: the stack is A, B, C; gap 2
        {B, 0, 'R', B},  // gap 1
        {B, 0, 'R', B},  // gap 0
        {B, 5, 'R', A},  // the head's turn again
        {B, 0, 'R', B},  // gap 4
        {1, 0, 'R', 1},  // B's fifth presentation ends its review, gap 3
    };
    for (const Step& s : steps) {
        queueDraw(r, s.pick, 1, s.gap);
        book(r, s.booking);
        ASSERT_EQ(r.data.curfact, s.next);
        ASSERT_TRUE(dataInvariants(r.data));
    }
    EXPECT_EQ(stackOf(r.data), (std::vector<int>{A, C}));
    EXPECT_EQ(lifeState(r.data, A), "review 2");
    EXPECT_EQ(lifeState(r.data, B), "out by review");
    EXPECT_EQ(lifeState(r.data, C), "review 4");

    // The head is still A: the review path shows it next, not C.
    while (r.data.reviewgap > 0) {
        queueDraw(r, 1);
        r.rightButton().click();
        ASSERT_EQ(r.data.curfact, 1);
    }
    queueDraw(r, 1, 1, 1);
    r.rightButton().click();
    EXPECT_EQ(r.data.curfact, A);
    EXPECT_EQ(r.scripted.remaining(), 0u);
}

}  // namespace
