// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The table invariants of the shared checks (poolAndStack, counts and, once
// a table is built, factTable) after every step of a session, without
// rescanning all 200 facts when a step changed one or two of them.
//
// Each of those checks reads only the drill state, so on a state that differs
// from the last one that passed in a few facts, only those facts can change
// the verdict: they are checked against the same rules, and the sums of the
// answer counts are carried along. A change the shortcut does not cover (new
// settings, a pool or review stack that moved) runs the full checks, and so
// does every state that breaks a rule, so a failure reads exactly as the
// shared check words it.

#include <array>
#include <cstdint>

#include "support/drill_checks.h"

namespace korvane::fuzz {

class TableChecks {
public:
    // The verdict of the full checks on d; the first check of a session
    // runs them in full.
    checks::Broken check(const Data& d);

private:
    checks::Broken full(const Data& d);
    bool sameSettings(const Data& d) const;
    bool samePoolAndStack(const Data& d) const;
    // One fact changed since the last state that passed: whether the rules
    // of the table, the pool and the stack still hold for it.
    bool factHolds(const Data& d, int f) const;

    Data last_;  // the state that passed the last check
    bool valid_ = false;
    bool built_ = false;
    int n_ = 0;      // facts in the table
    int right_ = 0;  // answers counted by the facts 1..n
    int wrong_ = 0;
    std::array<bool, kMaxFacts + 1> pooled_{};
    std::array<bool, kMaxFacts + 1> stacked_{};
};

}  // namespace korvane::fuzz
