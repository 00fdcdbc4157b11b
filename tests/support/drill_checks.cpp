// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "drill_checks.h"

#include <algorithm>
#include <array>

namespace korvane::checks {

namespace {

std::string at(const char* what, int index, int value)
{
    return std::string(what) + " " + std::to_string(index) + " = " + std::to_string(value);
}

// As preptable reaches: plus-ten counts only when it is exactly 10.
int plusTen(const Data& d) { return d.plusten == 10 ? 10 : 0; }

}  // namespace

bool tableBuilt(const Data& d) { return item(d.facts, 1).num1 != 0 || item(d.facts, 1).review == -1; }

int expectedFactCount(const Data& d)
{
    int n = 0;
    for (int i = 1; i <= 10; ++i) {
        if (item(d.numsel, i) != 1) {
            continue;
        }
        switch (d.optype) {
        case optype::kAddition:
            n += 10 + plusTen(d);
            break;
        case optype::kSubtraction:
            n += std::max(0, 10 + plusTen(d) - i);
            break;
        case optype::kMultiplication:
            n += 10;
            break;
        default:
            break;
        }
    }
    return n;
}

bool inPool(const Data& d, int fact)
{
    for (int x = 1; x <= d.poolcount && x <= kMaxFacts; ++x) {
        if (item(d.pool, x) == fact) {
            return true;
        }
    }
    return false;
}

bool onStack(const Data& d, int fact)
{
    for (int x = 1; x <= d.stackcount && x <= kMaxFacts; ++x) {
        if (item(d.reviewstack, x) == fact) {
            return true;
        }
    }
    return false;
}

bool sameData(const Data& a, const Data& b)
{
    // The arrays hold 16-bit numbers only, so they have no padding bytes.
    if (!sameArray(a.facts, b.facts) || !sameArray(a.reviewstack, b.reviewstack) || !sameArray(a.pool, b.pool)) {
        return false;
    }
    return a.optype == b.optype && a.totalprobs == b.totalprobs && a.shockleft == b.shockleft &&
           a.reviewgap == b.reviewgap && a.stackcount == b.stackcount && a.wrongrepeat == b.wrongrepeat &&
           a.lastright == b.lastright && a.started == b.started && a.curfact == b.curfact &&
           sameArray(a.choices, b.choices) && a.rightslot == b.rightslot && a.pickslot == b.pickslot &&
           a.plusten == b.plusten && sameArray(a.numsel, b.numsel) && a.elapsed == b.elapsed &&
           a.timelimit == b.timelimit && a.numlimit == b.numlimit && a.endmode == b.endmode &&
           a.totalright == b.totalright && a.retireat == b.retireat && a.poolcount == b.poolcount;
}

Broken factTable(const Data& d)
{
    const int n = expectedFactCount(d);
    int e = 0;
    for (int i = 1; i <= 10; ++i) {
        if (item(d.numsel, i) != 1 || d.optype < optype::kAddition || d.optype > optype::kMultiplication) {
            continue;
        }
        const int reach = d.optype == optype::kMultiplication ? 10 : 10 + plusTen(d);
        for (int j = 1; j <= reach; ++j) {
            int num1 = i;
            int num2 = j;
            int answer = i * j;
            if (d.optype == optype::kAddition) {
                answer = i + j;
            } else if (d.optype == optype::kSubtraction) {
                if (j <= i) {
                    continue;
                }
                num1 = j;
                num2 = i;
                answer = j - i;
            }
            if (++e > kMaxFacts) {
                return "the table the numbers call for passes 200 facts";
            }
            const Fact& f = item(d.facts, e);
            if (f.num1 != num1 || f.num2 != num2 || f.answer != answer) {
                return at("a wrong fact: entry", e, f.answer);
            }
        }
    }
    if (e != n) {
        return at("the table has the wrong number of facts:", n, e);
    }
    for (int x = n + 1; x <= kMaxFacts; ++x) {
        if (!sameFact(item(d.facts, x), kClearedFact)) {
            return at("an entry past the table is not cleared: entry", x, item(d.facts, x).num1);
        }
    }
    return std::nullopt;
}

Broken poolAndStack(const Data& d)
{
    const bool built = tableBuilt(d);
    const int n = built ? expectedFactCount(d) : 0;
    if (!built && (d.poolcount != 0 || d.stackcount != 0)) {
        return "a pool before any table";
    }
    if (d.poolcount < 0 || d.poolcount > n) {
        return at("poolcount outside 0..N, N", n, d.poolcount);
    }
    std::array<bool, kMaxFacts + 1> pooled{};
    for (int x = 1; x <= d.poolcount; ++x) {
        const int f = item(d.pool, x);
        if (f < 1 || f > n || pooled[static_cast<std::size_t>(f)]) {
            return at("pool entry outside 1..N or twice: pool", x, f);
        }
        pooled[static_cast<std::size_t>(f)] = true;
    }
    if (d.stackcount < 0 || d.stackcount > d.poolcount) {
        return at("stackcount outside 0..poolcount, poolcount", d.poolcount, d.stackcount);
    }
    std::array<bool, kMaxFacts + 1> stacked{};
    for (int x = 1; x <= d.stackcount; ++x) {
        const int f = item(d.reviewstack, x);
        if (f < 1 || f > n || stacked[static_cast<std::size_t>(f)] || !pooled[static_cast<std::size_t>(f)]) {
            return at("review stack entry twice, not in play or review below 1: reviewstack", x, f);
        }
        stacked[static_cast<std::size_t>(f)] = true;
    }
    for (int f = 1; f <= n; ++f) {
        const Fact& fact = item(d.facts, f);
        const auto k = static_cast<std::size_t>(f);
        if (!factHolds(fact, pooled[k], stacked[k])) {
            return at(stacked[k]  ? "a fact on the review stack has no review to come or a negative count: fact"
                      : pooled[k] ? "a fact in play has a review count or a negative count: fact"
                                  : "a fact out of play has a review count or a negative count: fact",
                      f, fact.review);
        }
    }
    return std::nullopt;
}

Broken counts(const Data& d)
{
    if (!runCountsHold(d)) {
        return at("right answers outside 0..problems, problems", d.totalprobs, d.totalright);
    }
    const int n = tableBuilt(d) ? expectedFactCount(d) : 0;
    int right = 0;
    int wrong = 0;
    for (int f = 1; f <= n; ++f) {
        right += item(d.facts, f).timesright;
        wrong += item(d.facts, f).timeswrong;
    }
    if (!factCountsWithinRun(d, right, wrong)) {
        return at("the facts count more answers than the run: right", right, wrong);
    }
    if (d.optype == optype::kMultiplication && d.plusten != 0) {
        return "plus-ten in force under multiplication";
    }
    return std::nullopt;
}

Broken freshTable(const Data& d)
{
    const int n = tableBuilt(d) ? expectedFactCount(d) : 0;
    if (d.poolcount != n || d.stackcount != 0) {
        return at("not the whole table in play: facts", n, d.poolcount);
    }
    for (int x = 1; x <= n; ++x) {
        const Fact& f = item(d.facts, x);
        if (item(d.pool, x) != x || f.review != -1 || f.timesright != 0 || f.timeswrong != 0) {
            return at("a fact not fresh: entry", x, item(d.pool, x));
        }
    }
    return std::nullopt;
}

}  // namespace korvane::checks
