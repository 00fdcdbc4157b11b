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
