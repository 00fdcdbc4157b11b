// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Building the fact table: prepc, zerotable, preptable.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "draws.h"
#include "rig.h"

using namespace korvane;
using korvane::testing::buildTable;
using korvane::testing::kAllNumbers;
using korvane::testing::Rig;

namespace {

struct Expected {
    int num1, num2, answer;
    bool operator==(const Expected&) const = default;
};

void PrintTo(const Expected& e, std::ostream* os) { *os << e.num1 << "," << e.num2 << "=" << e.answer; }

// The table as the building rule describes it: selected numbers ascending,
// one block each; addition i + j, subtraction j - i for j > i, multiplication
// i x j with j to 10 only.
std::vector<Expected> ruleTable(int optype, const std::vector<int>& numbers, bool plusTen)
{
    const int reach = plusTen ? 20 : 10;
    std::vector<Expected> out;
    for (int i = 1; i <= 10; ++i) {
        if (std::find(numbers.begin(), numbers.end(), i) == numbers.end()) {
            continue;
        }
        for (int j = 1; j <= (optype == 3 ? 10 : reach); ++j) {
            if (optype == 1) {
                out.push_back({i, j, i + j});
            } else if (optype == 2 && j > i) {
                out.push_back({j, i, j - i});
            } else if (optype == 3) {
                out.push_back({i, j, i * j});
            }
        }
    }
    return out;
}

struct TableCase {
    const char* name;
    int optype;
    std::vector<int> numbers;
    bool plusTen;
    int size;  // from the table of sizes: 10 + plusten per number, 10 + plusten - i for subtraction
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << c.name; }

class PrepTable : public ::testing::TestWithParam<TableCase> {};

TEST_P(PrepTable, BuildsTheBlocksInOrderPutsEveryFactInPlayAndEmptiesTheStack)
{
    const TableCase& c = GetParam();
    Rig r(true);
    buildTable(*r, 1, kAllNumbers, true);  // a full table first, so leftovers would show
    r.data.facts(150).timesright = 4;
    r.data.stackcount = 3;
    buildTable(*r, c.optype, c.numbers, c.plusTen);

    const Data& d = r.data;
    ASSERT_EQ(d.poolcount, c.size);
    EXPECT_EQ(d.stackcount, 0);
    EXPECT_EQ(d.plusten, c.plusTen ? 10 : 0);
    const auto rule = ruleTable(c.optype, c.numbers, c.plusTen);
    ASSERT_EQ(static_cast<int>(rule.size()), c.size);
    for (int x = 1; x <= kMaxFacts; ++x) {
        const Fact& f = d.facts(x);
        const Expected want = x <= c.size ? rule[static_cast<std::size_t>(x - 1)] : Expected{0, 0, 0};
        EXPECT_EQ((Expected{f.num1, f.num2, f.answer}), want) << "entry " << x;
        EXPECT_EQ(f.review, -1) << "entry " << x;
        EXPECT_EQ(f.timesright, 0) << "entry " << x;
        EXPECT_EQ(f.timeswrong, 0) << "entry " << x;
    }
    for (int x = 1; x <= c.size; ++x) {
        EXPECT_EQ(d.pool(x), x);
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, PrepTable,
                         ::testing::Values(TableCase{"AdditionThreeAndSeven", 1, {7, 3}, false, 20},
                                           TableCase{"AdditionAll", 1, kAllNumbers, false, 100},
                                           TableCase{"AdditionAllPlusTen", 1, kAllNumbers, true, 200},
                                           TableCase{"AdditionNone", 1, {}, true, 0},
                                           TableCase{"SubtractionAll", 2, kAllNumbers, false, 45},
                                           TableCase{"SubtractionAllPlusTen", 2, kAllNumbers, true, 145},
                                           TableCase{"SubtractionThree", 2, {3}, false, 7},
                                           TableCase{"SubtractionThreePlusTen", 2, {3}, true, 17},
                                           TableCase{"SubtractionOnlyTen", 2, {10}, false, 0},
                                           TableCase{"SubtractionOnlyTenPlusTen", 2, {10}, true, 10},
                                           TableCase{"SubtractionOneAndNine", 2, {9, 1}, false, 10},
                                           TableCase{"MultiplicationTen", 3, {10}, false, 10},
                                           TableCase{"MultiplicationAll", 3, kAllNumbers, false, 100},
                                           TableCase{"MultiplicationIgnoresPlusTen", 3, kAllNumbers, true, 100},
                                           TableCase{"MultiplicationTwoFivePlusTen", 3, {2, 5}, true, 20},
                                           TableCase{"NoOperationReadYet", 0, kAllNumbers, false, 0}),
                         [](const ::testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

TEST(PrepTableExamples, DocumentedEntriesStandWhereTheyShould)
{
    Rig r(true);
    const auto at = [&](int x) { return Expected{r.data.facts(x).num1, r.data.facts(x).num2, r.data.facts(x).answer}; };
    buildTable(*r, 1, kAllNumbers, true);
    EXPECT_EQ(at(200), (Expected{10, 20, 30}));
    buildTable(*r, 2, kAllNumbers, false);
    EXPECT_EQ(at(1), (Expected{2, 1, 1}));    // block of 1: 2 - 1 ...
    EXPECT_EQ(at(9), (Expected{10, 1, 9}));   // ... to 10 - 1
    EXPECT_EQ(at(10), (Expected{3, 2, 1}));   // block of 2 follows at once
    EXPECT_EQ(at(45), (Expected{10, 9, 1}));  // block of 9: only 10 - 9
    buildTable(*r, 2, {10}, true);
    EXPECT_EQ(at(1), (Expected{11, 10, 1}));
    EXPECT_EQ(at(10), (Expected{20, 10, 10}));
    buildTable(*r, 3, {4}, true);  // plus-ten counts as 10 but multiplication stops at 4 x 10
    EXPECT_EQ(r.data.plusten, 10);
    EXPECT_EQ(r.data.poolcount, 10);
    EXPECT_EQ(at(10), (Expected{4, 10, 40}));
}

TEST(PrepTableExamples, BoxValuesOtherThanZeroOrOneDoNotSelect)
{
    Rig r(true);
    r->unselect.click();
    r->ck(2).setValue(2);
    r->ck(4).setValue(-1);
    r->ck(6).setValue(1);
    EXPECT_EQ(r.data.numsel(3), 2);  // copied as it is, yet not selected
    EXPECT_EQ(r.data.numsel(5), -1);
    ASSERT_EQ(r.data.poolcount, 10);  // only 7
    EXPECT_EQ(r.data.facts(1).num1, 7);
    EXPECT_EQ(r.data.facts(10).answer, 17);
}

TEST(PrepTableExamples, KeepsTheRunCountersAndSettings)
{
    Rig r(true);
    Data& d = r.data;
    buildTable(*r, 1, kAllNumbers, false);
    const auto kept = [](const Data& x) {
        return std::vector<long>{x.totalprobs, x.totalright, x.elapsed,  x.started,  x.reviewgap,   x.lastright,
                                 x.curfact,    x.timelimit,  x.numlimit, x.retireat, x.wrongrepeat, x.endmode};
    };
    d.totalprobs = 12, d.totalright = 9, d.elapsed = 3, d.started = 1, d.reviewgap = 4, d.lastright = 1;
    d.curfact = 17, d.timelimit = 8, d.numlimit = 70, d.retireat = 2, d.wrongrepeat = 6, d.endmode = 3;
    d.facts(17).timeswrong = 2, d.facts(17).review = 5, d.stackcount = 1, d.reviewstack(1) = 17;
    const auto before = kept(d);

    buildTable(*r, 2, {4}, false);
    EXPECT_EQ(kept(d), before);
    EXPECT_EQ(d.poolcount, 6);
    EXPECT_EQ(d.stackcount, 0);
    EXPECT_EQ(d.facts(17).timeswrong, 0);
    EXPECT_EQ(d.facts(17).review, -1);
}

TEST(ZeroTable, ClearsAllTwoHundredEntries)
{
    Rig r(true);
    buildTable(*r, 1, kAllNumbers, true);
    r.data.facts(200).timesright = 3;
    r.data.facts(1).timeswrong = 2;
    r.data.facts(1).review = 4;
    r->zerotable();
    for (int x = 1; x <= kMaxFacts; ++x) {
        const Fact& f = r.data.facts(x);
        ASSERT_EQ((std::vector<int>{f.num1, f.num2, f.answer, f.review, f.timesright, f.timeswrong}),
                  (std::vector<int>{0, 0, 0, -1, 0, 0}))
            << "entry " << x;
    }
}

TEST(PrepC, CopiesEveryBoxIntoNumselAndBuildsNothing)
{
    Rig r(true);
    buildTable(*r, 1, kAllNumbers, false);
    const std::vector<int> values{1, 0, 0, 1, 2, 0, 1, 1, 0, 0, 1};
    for (int i = 0; i <= 10; ++i) {
        r->ck(i).onClick = nullptr;
        r->ck(i).setValue(values[static_cast<std::size_t>(i)]);
    }
    r->prepc();
    for (int i = 1; i <= 11; ++i) {
        EXPECT_EQ(r.data.numsel(i), values[static_cast<std::size_t>(i - 1)]) << "numsel(" << i << ")";
    }
    EXPECT_EQ(r.data.poolcount, 100);
    EXPECT_EQ(r.data.plusten, 0);
}

}  // namespace
