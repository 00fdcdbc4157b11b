// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Helpers for the behaviour tests: scripting the drill's random draws,
// putting the number boxes into a state without their handlers, and
// watching the number boxes' click handler run (nested runs included).

#include <algorithm>
#include <cstddef>
#include <initializer_list>
#include <utility>
#include <vector>

#include "engine/tallyquip.h"
#include "support/scripted_random.h"

namespace korvane::testing {

// A value whose pool draw floor(value * 223) is exactly `drawn` (0..222).
inline double poolDraw(int drawn) { return (drawn + 0.5) / 223.0; }

// A value whose random digit floor(value * 10) is exactly `d`.
inline double digitDraw(int d) { return (d + 0.5) / 10.0; }

// Scripts one problem on the pool path: the pool draw that lands on
// `position` (1..223), the digit that decides rightslot (digit 0 puts the
// answer on but(0)), then further digits (review gap, candidates) in order.
inline void scriptProblem(ScriptedRandom& r, int position, int rightDigit, std::initializer_list<int> digits = {})
{
    r.push(poolDraw(position - 1));
    r.push(digitDraw(rightDigit));
    for (int d : digits) {
        r.push(digitDraw(d));
    }
}

const std::vector<int> kAllNumbers{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};

// Sets the eleven boxes without raising their handlers, sets optype and
// builds the table: a direct call of preptable on a known state.
inline void buildTable(Tallyquip& w, int optype, const std::vector<int>& numbers, bool plusTen)
{
    for (int i = 0; i <= 10; ++i) {
        auto handler = std::exchange(w.ck(i).onClick, nullptr);
        const bool on = i == 10 ? plusTen : std::find(numbers.begin(), numbers.end(), i + 1) != numbers.end();
        w.ck(i).setValue(on ? 1 : 0);
        w.ck(i).onClick = std::move(handler);
    }
    w.data().optype = static_cast<std::int16_t>(optype);
    w.preptable();
}

// The fact table with its counters, the pool and the review stack, flat,
// for comparing the state before and after an event.
inline std::vector<int> tableState(const Data& d)
{
    std::vector<int> v;
    for (int x = 1; x <= kMaxFacts; ++x) {
        const Fact& f = d.facts(x);
        v.insert(v.end(), {f.num1, f.num2, f.answer, f.review, f.timesright, f.timeswrong});
    }
    v.push_back(d.poolcount);
    for (int x = 1; x <= d.poolcount; ++x) {
        v.push_back(d.pool(x));
    }
    v.push_back(d.stackcount);
    for (int x = 1; x <= d.stackcount; ++x) {
        v.push_back(d.reviewstack(x));
    }
    return v;
}

// Wraps the click handler of every box of ck(0..10). Each run is recorded
// as it begins, with what the handler finds on entry, and completed with
// the pool size it leaves behind.
struct CkSpy {
    struct Call {
        int box;
        int valueOnEntry;
        bool enabledOnEntry;
        int numbersTickedOnEntry;
        int depth;  // 0: raised directly; 1: raised inside another run
        int poolAfter = -1;
    };
    std::vector<Call> calls;
    int depth = 0;

    explicit CkSpy(Tallyquip& w)
    {
        for (int i = 0; i <= 10; ++i) {
            auto inner = w.ck(i).onClick;
            w.ck(i).onClick = [this, &w, i, inner] {
                int ticked = 0;
                for (int k = 0; k <= 9; ++k) {
                    ticked += w.ck(k).Value() == 1 ? 1 : 0;
                }
                const std::size_t at = calls.size();
                calls.push_back(Call{i, w.ck(i).Value(), w.ck(i).Enabled(), ticked, depth});
                ++depth;
                inner();
                --depth;
                calls[at].poolAfter = w.data().poolcount;
            };
        }
    }
};

}  // namespace korvane::testing
