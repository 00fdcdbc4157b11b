// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The invariants of the drill state, written once for the GoogleTest suites
// and the fuzz targets. Each check returns what broke, or nothing when the
// rule holds; the text is built only on a failure, so the fuzz targets can
// run the checks after every step.

#include <cstring>
#include <optional>
#include <string>

#include "engine/data.h"

namespace korvane::checks {

// What broke, or nothing.
using Broken = std::optional<std::string>;

// A read without the bounds check, for checks that run after every step:
// the callers have checked the index themselves.
template <typename A>
const auto& item(const A& a, int i)
{
    return *(a.begin() + (i - A::lower));
}

// True once some preptable has run: it clears every entry it does not fill,
// so entry 1 is a fact or a cleared entry (review -1), where the start-up
// state has all zeros.
bool tableBuilt(const Data& d);
// Facts the table holds for the numbers and operation of now.
int expectedFactCount(const Data& d);
bool inPool(const Data& d, int fact);
bool onStack(const Data& d, int fact);
bool sameData(const Data& a, const Data& b);
// Byte for byte, by the C library's vectorized comparison: the arrays of
// the drill state are compared after every step of a fuzzed session, where
// a loop over the entries costs many times as much under the sanitizers.
template <typename A>
bool sameArray(const A& a, const A& b)
{
    static_assert(sizeof(A) == A::size * sizeof(*a.begin()), "an array with padding");
    return std::memcmp(&*a.begin(), &*b.begin(), sizeof(A)) == 0;
}

// ---- the rules one fact or the run's counts must keep ---------------------
// Each is defined once here: the full checks below apply them to every
// fact, the fuzz target's quick re-check only to the facts a step changed.

// An entry past the table, as preptable clears it.
inline constexpr Fact kClearedFact{0, 0, 0, -1, 0, 0};

// Without early exits: the compiler would merge an early-exit chain into a
// call of the library's memcmp, which the sanitizers intercept, where this
// stays a few inline instructions.
inline bool sameFact(const Fact& a, const Fact& b)
{
    return ((a.num1 ^ b.num1) | (a.num2 ^ b.num2) | (a.answer ^ b.answer) | (a.review ^ b.review) |
            (a.timesright ^ b.timesright) | (a.timeswrong ^ b.timeswrong)) == 0;
}

// A fact of the table: its counts are never negative; on the review stack
// it has a review still to come, in play off the stack none, out of play
// none or 0.
inline bool factHolds(const Fact& fact, bool pooled, bool stacked)
{
    if (fact.timesright < 0 || fact.timeswrong < 0) {
        return false;
    }
    if (stacked) {
        return fact.review >= 1;
    }
    return pooled ? fact.review == -1 : (fact.review == -1 || fact.review == 0);
}

// Right answers within 0..problems.
inline bool runCountsHold(const Data& d)
{
    return d.totalprobs >= 0 && d.totalright >= 0 && d.totalright <= d.totalprobs;
}

// The facts' own counts, summed, within the run's.
inline bool factCountsWithinRun(const Data& d, int right, int wrong)
{
    return right <= d.totalright && wrong <= d.totalprobs - d.totalright;
}

// The table of the numbers and operation of now, entry by entry, and every
// entry past it cleared.
Broken factTable(const Data& d);
// The pool holds distinct facts of the table; the review stack distinct
// facts of the pool, each with a review still to come; a fact in play off
// the stack has no review count, one out of play 0 or none.
Broken poolAndStack(const Data& d);
// Right answers never pass the problems; the facts' own counts stay within
// the run's.
Broken counts(const Data& d);
// As a rebuild leaves it: the whole table in play, nothing on the stack,
// no answer counted.
Broken freshTable(const Data& d);

}  // namespace korvane::checks
