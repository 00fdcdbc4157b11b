// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "table_checks.h"

#include <cstring>

namespace korvane::fuzz {

namespace {

using checks::item;
using checks::sameFact;

// The first count entries of two 1-based lists (count within their size).
template <typename List>
bool sameHead(const List& a, const List& b, int count)
{
    return std::memcmp(&item(a, 1), &item(b, 1), static_cast<std::size_t>(count) * sizeof(item(a, 1))) == 0;
}

}  // namespace

checks::Broken TableChecks::full(const Data& d)
{
    valid_ = false;
    if (auto broken = checks::poolAndStack(d)) {
        return broken;
    }
    if (auto broken = checks::counts(d)) {
        return broken;
    }
    built_ = checks::tableBuilt(d);
    if (built_) {
        if (auto broken = checks::factTable(d)) {
            return broken;
        }
    }
    last_ = d;
    n_ = built_ ? checks::expectedFactCount(d) : 0;
    right_ = 0;
    wrong_ = 0;
    for (int f = 1; f <= n_; ++f) {
        right_ += item(d.facts, f).timesright;
        wrong_ += item(d.facts, f).timeswrong;
    }
    pooled_.fill(false);
    stacked_.fill(false);
    for (int x = 1; x <= d.poolcount; ++x) {
        pooled_[static_cast<std::size_t>(item(d.pool, x))] = true;
    }
    for (int x = 1; x <= d.stackcount; ++x) {
        stacked_[static_cast<std::size_t>(item(d.reviewstack, x))] = true;
    }
    valid_ = true;
    return std::nullopt;
}

bool TableChecks::sameSettings(const Data& d) const
{
    return d.optype == last_.optype && d.plusten == last_.plusten && sameHead(d.numsel, last_.numsel, 11);
}

bool TableChecks::samePoolAndStack(const Data& d) const
{
    return d.poolcount == last_.poolcount && d.stackcount == last_.stackcount &&
           sameHead(d.pool, last_.pool, d.poolcount) && sameHead(d.reviewstack, last_.reviewstack, d.stackcount);
}

// The rules poolAndStack and factTable apply to one fact, with the pool and
// the stack of now.
bool TableChecks::factHolds(const Data& d, int f) const
{
    const Fact& now = item(d.facts, f);
    if (f > n_) {
        // Past the table: cleared, when a table is built.
        return !built_ || sameFact(now, checks::kClearedFact);
    }
    const Fact& before = item(last_.facts, f);
    if (now.num1 != before.num1 || now.num2 != before.num2 || now.answer != before.answer) {
        return false;  // the table itself changed: the full check says how
    }
    const auto k = static_cast<std::size_t>(f);
    return checks::factHolds(now, pooled_[k], stacked_[k]);
}

checks::Broken TableChecks::check(const Data& d)
{
    // What the shortcut does not cover is checked in full: the first state,
    // new settings or a new table, a pool or stack that moved (a fact
    // retired, missed or reviewed to the end), run counts out of order.
    if (!valid_ || !sameSettings(d) || checks::tableBuilt(d) != built_ || !samePoolAndStack(d)) {
        return full(d);
    }
    if (!checks::runCountsHold(d)) {
        return full(d);
    }
    int right = right_;
    int wrong = wrong_;
    if (!checks::sameArray(d.facts, last_.facts)) {
        // A booking changes one fact: the table is compared a pair of facts
        // at a time (a comparison of constant size, which the compiler does
        // in two loads), and only a pair that differs fact by fact.
        static_assert(kMaxFacts % 2 == 0);
        for (int pair = 1; pair <= kMaxFacts; pair += 2) {
            if (std::memcmp(&item(d.facts, pair), &item(last_.facts, pair), 2 * sizeof(Fact)) == 0) {
                continue;
            }
            for (int f = pair; f <= pair + 1; ++f) {
                const Fact& now = item(d.facts, f);
                const Fact& before = item(last_.facts, f);
                if (sameFact(now, before)) {
                    continue;
                }
                if (!factHolds(d, f)) {
                    return full(d);
                }
                if (f <= n_) {
                    right += now.timesright - before.timesright;
                    wrong += now.timeswrong - before.timeswrong;
                }
            }
        }
    }
    if (!checks::factCountsWithinRun(d, right, wrong)) {
        return full(d);
    }
    right_ = right;
    wrong_ = wrong;
    last_ = d;
    return std::nullopt;
}

}  // namespace korvane::fuzz
