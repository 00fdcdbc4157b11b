// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Helpers for tests that play whole runs: steering the draws of generate,
// reading the pool and the review stack, and checking the drill state and
// the run-state table after an event.

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "rig.h"
#include "support/run_state_check.h"

namespace korvane::testing {

// Queues the draws of the next generate: the pool position, the answer
// button (slot 1..3) and, when the head of the review stack is due, the gap
// (1..5) until it comes again. The wrong answers then draw from an empty
// script, i.e. zeros: candidate 0, never a right answer of any table.
inline void queueDraw(Rig& r, int pickslot, int slot = 1, int gap = 0)
{
    r.scripted.push((pickslot - 0.5) / 223.0);
    r.scripted.pushDigits({slot - 1});
    if (gap > 0) {
        r.scripted.pushDigits({gap - 1});
    }
}

// Chooses the operation (1 +, 2 -, 3 x) and exactly the given numbers.
inline void choose(Rig& r, int optype, std::initializer_list<int> numbers, bool plusTen = false)
{
    r->Option1(optype - 1).click();
    r->unselect.click();
    for (int n : numbers) {
        r->ck(n - 1).click();
    }
    if (plusTen) {
        r->ck(10).click();
    }
}

inline std::vector<int> poolOf(const Data& d)
{
    std::vector<int> v;
    for (int x = 1; x <= d.poolcount; ++x) {
        v.push_back(d.pool(x));
    }
    return v;
}

inline std::vector<int> stackOf(const Data& d)
{
    std::vector<int> v;
    for (int x = 1; x <= d.stackcount; ++x) {
        v.push_back(d.reviewstack(x));
    }
    return v;
}

inline int countOf(const std::vector<int>& v, int value)
{
    int n = 0;
    for (int e : v) {
        n += e == value ? 1 : 0;
    }
    return n;
}

inline std::vector<int> range(int from, int to)
{
    std::vector<int> v;
    for (int x = from; x <= to; ++x) {
        v.push_back(x);
    }
    return v;
}

inline const char* operatorText(int optype) { return optype == 1 ? " + " : optype == 2 ? " - " : " x "; }

inline std::string problemText(const Data& d, const Fact& f)
{
    return std::to_string(f.num1) + operatorText(d.optype) + std::to_string(f.num2);
}

inline std::string expectedAnswerLine(const Data& d, const Fact& f)
{
    return problemText(d, f) + " = " + std::to_string(f.answer);
}

// How many facts a table of the chosen operation and numbers holds.
inline int expectedFactCount(const Data& d) { return checks::expectedFactCount(d); }

// A check of the shared invariants as a GoogleTest result.
inline ::testing::AssertionResult holds(const checks::Broken& broken)
{
    if (broken) {
        return ::testing::AssertionFailure() << *broken;
    }
    return ::testing::AssertionSuccess();
}

// Where a fact stands in its life: "play", "review <n>", "out by right",
// "out by review", or a description of a state that should not exist.
inline std::string lifeState(const Data& d, int fact)
{
    const bool inPool = countOf(poolOf(d), fact) == 1;
    const int onStack = countOf(stackOf(d), fact);
    const int review = d.facts(fact).review;
    if (inPool && onStack == 0 && review == -1) {
        return "play";
    }
    if (inPool && onStack == 1 && review >= 1) {
        return "review " + std::to_string(review);
    }
    if (!inPool && onStack == 0 && review == -1) {
        return "out by right";
    }
    if (!inPool && onStack == 0 && review == 0) {
        return "out by review";
    }
    return "broken: in pool " + std::to_string(countOf(poolOf(d), fact)) + ", on stack " + std::to_string(onStack) +
           ", review " + std::to_string(review);
}

// The invariants of the drill state between problems, and counts that no
// booking may break.
inline ::testing::AssertionResult dataInvariants(const Data& d)
{
    if (auto broken = checks::poolAndStack(d)) {
        return holds(broken);
    }
    return holds(checks::counts(d));
}

// Every settings control; the plus-ten box is left out when `withPlusTen`
// is false (multiplication disables it while the panel is open).
inline std::vector<const Control*> settingsControls(Rig& r, bool withPlusTen = true)
{
    std::vector<const Control*> v{&r->selectall, &r->unselect,  &r->maxtime,  &r->MaxNum,
                                  &r->wrongnum,  &r->NumRepeat, &r->ShockTime};
    for (int i = 0; i <= (withPlusTen ? 10 : 9); ++i) {
        v.push_back(&r->ck(i));
    }
    for (int i = 0; i <= 3; ++i) {
        v.push_back(&r->setp(i));
    }
    for (int i = 0; i <= 2; ++i) {
        v.push_back(&r->Option1(i));
    }
    return v;
}

inline bool allEnabled(const std::vector<const Control*>& v, bool on)
{
    for (const Control* c : v) {
        if (c->Enabled() != on) {
            return false;
        }
    }
    return true;
}

inline bool answerButtonsEnabled(Rig& r, bool on)
{
    return r->but(0).Enabled() == on && r->but(1).Enabled() == on && r->but(2).Enabled() == on;
}

// The one picture on show, or -1 for none and -2 for more than one.
inline int visiblePicture(Rig& r)
{
    int shown = -1;
    for (int i = 0; i <= 3; ++i) {
        if (r->pic(i).Visible()) {
            shown = shown == -1 ? i : -2;
        }
    }
    return shown;
}

// The row of the run-state table that the program is in, outside the
// time-out wait: Running while the run clock runs, else Idle (started 0),
// Paused or Ended. A running problem must also be shown as it is stored.
inline ::testing::AssertionResult runStateRow(Rig& r)
{
    checks::RunState state{};
    return holds(checks::runState(*r, r.data, &r.clock, state));
}

// Everything the pupil can see on the main window and the run's counts, as
// one text, so that "nothing changed" is a single comparison.
inline std::string describe(Rig& r)
{
    Tallyquip& w = *r;
    const Data& d = r.data;
    std::string s = "cap=" + w.cap.Caption() + "|score=" + w.score.Caption() + "|Timecap=" + w.Timecap.Caption();
    for (int k = 0; k <= 2; ++k) {
        s += "|but" + std::to_string(k) + "=" + w.but(k).Caption() + (w.but(k).Enabled() ? "+" : "-");
    }
    s += "|pic=" + std::to_string(visiblePicture(r));
    for (const Control* c : settingsControls(r)) {
        s += c->Enabled() ? '+' : '-';
    }
    s += std::string("|results") + (w.results.Enabled() ? "+" : "-");
    s += std::string("|clocks=") + (w.keeptime.Enabled() ? "K" : "k") + (w.countdown.Enabled() ? "C" : "c") +
         (w.Timershock.Enabled() ? "T" : "t");
    s += "|started=" + std::to_string(d.started) + "|probs=" + std::to_string(d.totalprobs) +
         "|right=" + std::to_string(d.totalright) + "|elapsed=" + std::to_string(d.elapsed) +
         "|pool=" + std::to_string(d.poolcount) + "|stack=" + std::to_string(d.stackcount) +
         "|popup=" + (r.tpop.IsLoaded() ? "open" : "none") + "|chime=" + std::to_string(w.scor.plays()) +
         "|beep=" + std::to_string(w.beep.plays());
    return s;
}

}  // namespace korvane::testing
