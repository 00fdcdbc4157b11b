// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Putting a problem on the screen (generate), with scripted random draws.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "draws.h"
#include "rig.h"

using namespace korvane;
using korvane::testing::buildTable;
using korvane::testing::kAllNumbers;
using korvane::testing::poolDraw;
using korvane::testing::Rig;
using korvane::testing::scriptProblem;

namespace {

std::vector<std::string> buttonCaptions(Tallyquip& w)
{
    return {w.but(0).Caption(), w.but(1).Caption(), w.but(2).Caption()};
}

// 223 = times x size + favoured: positions 1..favoured come up times + 1
// times in the 223 values, the others `times` times.
struct PoolCase {
    int optype;
    std::vector<int> numbers;
    bool plusTen;
    int size;
    int favoured;
    int times;
};

void PrintTo(const PoolCase& c, std::ostream* os) { *os << "pool of " << c.size; }

class PickSlot : public ::testing::TestWithParam<PoolCase> {};

TEST_P(PickSlot, The223ValuesSpreadOverThePoolPositions)
{
    const PoolCase& c = GetParam();
    Rig r(true);
    buildTable(*r, c.optype, c.numbers, c.plusTen);
    ASSERT_EQ(r.data.poolcount, c.size);
    for (int x = 1; x <= c.size; ++x) {
        r.data.pool(x) = static_cast<std::int16_t>(c.size + 1 - x);  // reversed, so curfact shows the lookup
    }
    std::map<int, int> hits;
    for (int v = 0; v < 223; ++v) {
        r.scripted.push(poolDraw(v));
        r->generate();
        ++hits[r.data.pickslot];
        EXPECT_EQ(r.data.curfact, c.size + 1 - r.data.pickslot);
    }
    ASSERT_EQ(static_cast<int>(hits.size()), c.size);
    for (const auto& [position, count] : hits) {
        EXPECT_EQ(count, position <= c.favoured ? c.times + 1 : c.times) << "position " << position;
    }
}

INSTANTIATE_TEST_SUITE_P(PoolSizes, PickSlot,
                         ::testing::Values(PoolCase{1, kAllNumbers, true, 200, 23, 1},
                                           PoolCase{2, kAllNumbers, true, 145, 78, 1},
                                           PoolCase{1, kAllNumbers, false, 100, 23, 2},
                                           PoolCase{2, kAllNumbers, false, 45, 43, 4},
                                           PoolCase{3, {4}, false, 10, 3, 22}, PoolCase{2, {3}, false, 7, 6, 31},
                                           PoolCase{2, {9}, false, 1, 0, 223}));

TEST(PickSlotGuard, ADrawOfExactlyOneCountsAsTheTopValue)
{
    Rig r(true);
    buildTable(*r, 1, kAllNumbers, false);
    r.scripted.push(1.0);  // pool draw: 222 mod 100 + 1
    r.scripted.push(1.0);  // digit 9: slot 9 mod 3 + 1
    r->generate();
    EXPECT_EQ(r.data.pickslot, 23);
    EXPECT_EQ(r.data.rightslot, 1);
}

TEST(RightSlot, TheTenDigitsSplitFourThreeThreeOverTheButtons)
{
    Rig r(true);
    buildTable(*r, 3, {6}, false);
    std::vector<int> perSlot(4, 0);
    for (int digit = 0; digit <= 9; ++digit) {
        scriptProblem(r.scripted, 7, digit);  // 6 x 7; all further digits 0, so every candidate is 0
        r->generate();
        const int slot = r.data.rightslot;
        ASSERT_GE(slot, 1);
        ASSERT_LE(slot, 3);
        ++perSlot[static_cast<std::size_t>(slot)];
        std::vector<std::string> want{"0", "0", "0"};
        want[static_cast<std::size_t>(slot - 1)] = "42";
        EXPECT_EQ(buttonCaptions(*r), want) << "digit " << digit;
        EXPECT_EQ(r.data.choices(slot), 42);
    }
    EXPECT_EQ(perSlot, (std::vector<int>{0, 4, 3, 3}));
}

// The head of the review stack comes up when reviewgap has run down to 0;
// then the gap is drawn anew, (digit mod 5) + 1 pool problems.
class ReviewPath : public ::testing::TestWithParam<int> {};

TEST_P(ReviewPath, HeadThenGapPoolProblemsThenHeadAgain)
{
    const int gapDigit = GetParam();
    const int gap = gapDigit % 5 + 1;
    Rig r(true);
    buildTable(*r, 1, kAllNumbers, false);
    Data& d = r.data;
    d.facts(42).review = 3;  // 5 + 2
    d.stackcount = 1;
    d.reviewstack(1) = 42;
    d.reviewgap = 0;

    // Draw order: pool, right slot, gap, then the candidates a, b, c per slot.
    scriptProblem(r.scripted, 7, 1, {gapDigit, 1, 0, 2, 4, 1, 4, 0, 0, 0});
    r->generate();
    EXPECT_EQ(d.curfact, 42);
    EXPECT_EQ(d.pickslot, 7);  // the drawn position is kept
    EXPECT_EQ(d.reviewgap, gap);
    EXPECT_EQ(r->cap.Caption(), "5 + 2");
    EXPECT_EQ(buttonCaptions(*r), (std::vector<std::string>{"3", "7", "0"}));

    for (int k = 1; k <= gap; ++k) {
        scriptProblem(r.scripted, 10 + k, 0);
        r->generate();
        EXPECT_EQ(d.curfact, 10 + k) << "pool problem " << k;
        EXPECT_EQ(d.reviewgap, gap - k);
    }
    scriptProblem(r.scripted, 60, 0, {3});
    r->generate();
    EXPECT_EQ(d.curfact, 42);
    EXPECT_EQ(d.reviewgap, 4);
    EXPECT_EQ(d.stackcount, 1);  // generate never takes a fact off the stack
}

INSTANTIATE_TEST_SUITE_P(GapDigits, ReviewPath, ::testing::Range(0, 10));

TEST(ReviewDraw, EmptyStackLeavesTheGapAsItIs)
{
    Rig r(true);
    buildTable(*r, 1, kAllNumbers, false);
    r.data.reviewgap = 3;
    scriptProblem(r.scripted, 9, 0);
    r->generate();
    EXPECT_EQ(r.data.curfact, 9);
    EXPECT_EQ(r.data.reviewgap, 3);
}

TEST(ReviewDraw, TheFirstMissAfterStartComesBackAsTheVeryNextProblem)
{
    Rig r(true);
    scriptProblem(r.scripted, 15, 0, {1, 0, 1, 2, 0, 2, 3, 0, 3});  // 2 + 5
    r->Start.click();
    ASSERT_EQ(r->cap.Caption(), "2 + 5");
    ASSERT_GE(r.data.wrongrepeat, 2);
    scriptProblem(r.scripted, 60, 0, {4});
    r.wrongButton().click();
    EXPECT_EQ(r.data.totalprobs, 1);
    EXPECT_EQ(r.data.curfact, 15);
    EXPECT_EQ(r.data.pickslot, 60);
    EXPECT_EQ(r->cap.Caption(), "2 + 5");
    EXPECT_EQ(r.data.reviewgap, 5);
}

TEST(WrongAnswers, CandidatesEqualToTheAnswerAreDrawnAgain)
{
    Rig r(true);
    buildTable(*r, 3, {7}, false);
    const std::size_t before = r.scripted.drawn();
    // Slot 1: 7x8 and 8x7 give 56 and are drawn again, 3x4 stands; slot 2:
    // 0x9; slot 3: 2x6, equal to slot 1, stands.
    scriptProblem(r.scripted, 8, 1, {7, 8, 8, 7, 3, 4, 0, 9, 2, 6});
    r->generate();
    EXPECT_EQ(r.scripted.drawn() - before, 12u);
    EXPECT_EQ(r->cap.Caption(), "7 x 8");
    EXPECT_EQ(buttonCaptions(*r), (std::vector<std::string>{"12", "56", "12"}));

    buildTable(*r, 2, {10}, true);
    // Fact 20 - 10. Candidates |c - a + (b mod 2) x 10|: (4,3,4) gives 10
    // and is drawn again; (9,1,0) gives 1; (0,1,9) gives 19; (9,0,0) gives 9.
    scriptProblem(r.scripted, 10, 2, {4, 3, 4, 9, 1, 0, 0, 1, 9, 9, 0, 0});
    r->generate();
    EXPECT_EQ(r->cap.Caption(), "20 - 10");
    EXPECT_EQ(buttonCaptions(*r), (std::vector<std::string>{"1", "19", "10"}));
    EXPECT_EQ(r.scripted.remaining(), 0u);

    buildTable(*r, 1, {9}, true);
    // Fact 9 + 20 = 29, which a + c + (b mod 2) x 10 never gives: no redraw.
    scriptProblem(r.scripted, 20, 0, {9, 1, 9, 9, 0, 9, 0, 2, 0});
    r->generate();
    EXPECT_EQ(r->cap.Caption(), "9 + 20");
    EXPECT_EQ(buttonCaptions(*r), (std::vector<std::string>{"29", "18", "0"}));
    EXPECT_EQ(r.scripted.remaining(), 0u);
}

struct CaptionCase {
    int optype;
    int number;
    bool plusTen;
    int position;
    const char* caption;
    int answer;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.caption; }

class ProblemCaption : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(ProblemCaption, ShowsOperandsWithTheOperatorAndTheChoicesOnTheButtons)
{
    const CaptionCase& c = GetParam();
    Rig r(true);
    buildTable(*r, c.optype, {c.number}, c.plusTen);
    scriptProblem(r.scripted, c.position, 2, {1, 0, 2, 3, 0, 3, 5, 0, 4});
    r->generate();
    EXPECT_EQ(r->cap.Caption(), c.caption);
    EXPECT_EQ(r.data.facts(r.data.curfact).answer, c.answer);
    EXPECT_EQ(r.data.rightslot, 3);
    for (int k = 0; k <= 2; ++k) {
        EXPECT_EQ(r->but(k).Caption(), std::to_string(r.data.choices(k + 1)));
    }
    EXPECT_EQ(r->but(2).Caption(), std::to_string(c.answer));
}

INSTANTIATE_TEST_SUITE_P(
    Operations, ProblemCaption,
    ::testing::Values(CaptionCase{1, 7, true, 12, "7 + 12", 19}, CaptionCase{1, 10, true, 20, "10 + 20", 30},
                      CaptionCase{2, 6, true, 8, "14 - 6", 8}, CaptionCase{2, 1, false, 9, "10 - 1", 9},
                      CaptionCase{3, 3, false, 9, "3 x 9", 27}, CaptionCase{3, 10, false, 10, "10 x 10", 100}));

TEST(GenerateClocks, LoadsShockleftAndStartsTheAnswerClockAndCountdown)
{
    Rig r(true);
    r->ShockTime.typeText("  10");
    r->Getpref();
    buildTable(*r, 1, kAllNumbers, false);
    r->generate();
    EXPECT_EQ(r.data.shockleft, 10);
    EXPECT_EQ(r.clock.untilNextTick(r->Timershock), 12000);
    EXPECT_EQ(r.clock.untilNextTick(r->countdown), 1000);
    EXPECT_FALSE(r->keeptime.Enabled());
    EXPECT_EQ(r->Timecap.Caption(), "Time");  // the countdown label waits for its first tick
}

TEST(GenerateEmptyPool, StartWithSubtractionAndOnlyTenEndsTheRunLikePause)
{
    Rig r(true);
    r->Option1(1).click();
    r->unselect.click();
    r->ck(9).click();
    ASSERT_EQ(r.data.poolcount, 0);
    r->Start.click();

    EXPECT_EQ(r.data.totalprobs, 0);
    EXPECT_EQ(r->score.Caption(), "Score");
    EXPECT_EQ(r->cap.Caption(), "Tallyquip");
    EXPECT_EQ(r->Timecap.Caption(), "Time");
    for (Timer* t : r->timers()) {
        EXPECT_FALSE(t->Enabled()) << t->name();
    }
    for (const Control* c :
         std::initializer_list<const Control*>{&r->ck(0), &r->Option1(0), &r->selectall, &r->results}) {
        EXPECT_TRUE(c->Enabled()) << c->name();
    }
    EXPECT_FALSE(r->but(0).Enabled() || r->but(1).Enabled() || r->but(2).Enabled());
    r.clock.advance(120000);
    EXPECT_EQ(r.data.elapsed, 0);

    // The panel works: the plus-ten box gives 11 - 10 .. 20 - 10, and Start goes.
    r->ck(10).click();
    ASSERT_EQ(r.data.poolcount, 10);
    scriptProblem(r.scripted, 4, 0);
    r->Start.click();
    EXPECT_EQ(r->cap.Caption(), "14 - 10");
    EXPECT_TRUE(r->keeptime.Enabled());
    EXPECT_TRUE(r->but(0).Enabled());
    EXPECT_FALSE(r->ck(0).Enabled());
}

}  // namespace
