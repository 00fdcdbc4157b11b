// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "run_state_check.h"

#include "engine/fact_text.h"
#include "engine/number_text.h"

namespace korvane::checks {

namespace {

// Every settings control but the plus-ten box agrees with the Results button.
bool panelAgrees(const Tallyquip& w, bool open)
{
    bool agree = true;
    auto same = [&](const Control& control) { agree = agree && control.Enabled() == open; };
    for (int i = 0; i <= 9; ++i) {
        same(w.ck(i));
    }
    for (int i = 0; i < w.setp.count(); ++i) {
        same(w.setp(i));
    }
    for (int i = 0; i < w.Option1.count(); ++i) {
        same(w.Option1(i));
    }
    for (const Control* c : {static_cast<const Control*>(&w.selectall), static_cast<const Control*>(&w.unselect),
                             static_cast<const Control*>(&w.maxtime), static_cast<const Control*>(&w.MaxNum),
                             static_cast<const Control*>(&w.wrongnum), static_cast<const Control*>(&w.NumRepeat),
                             static_cast<const Control*>(&w.ShockTime)}) {
        same(*c);
    }
    return agree;
}

// A problem is on display: drawn from the pool or the head of the review
// stack, its right answer on exactly one button, shown as stored.
Broken problemShown(const Tallyquip& w, const Data& d, const VirtualClock* clock)
{
    if (d.poolcount < 1) {
        return "a run goes on with no fact in play";
    }
    if (d.pickslot < 1 || d.pickslot > d.poolcount) {
        return "pickslot outside 1..poolcount";
    }
    const int f = d.curfact;
    if (f < 1 || f > kMaxFacts || !inPool(d, f)) {
        return "the fact on display is not in play";
    }
    if (f != item(d.pool, d.pickslot) && !(d.stackcount >= 1 && f == item(d.reviewstack, 1))) {
        return "the fact on display is neither drawn nor the head of the review stack";
    }
    if (d.rightslot < 1 || d.rightslot > 3) {
        return "rightslot outside 1..3";
    }
    const Fact& fact = item(d.facts, f);
    for (int s = 1; s <= 3; ++s) {
        if ((item(d.choices, s) == fact.answer) != (s == d.rightslot)) {
            return "the right answer is not exactly on the right slot";
        }
        if (w.but(s - 1).Caption() != digits(item(d.choices, s))) {
            return "an answer button does not show its choice: " + w.but(s - 1).Caption();
        }
    }
    if (w.cap.Caption() != factText(d.optype, fact)) {
        return "the problem label reads '" + w.cap.Caption() + "'";
    }
    if (clock != nullptr) {
        const auto left = clock->untilNextTick(w.Timershock);
        if (left <= 0 || left > w.Timershock.Interval()) {
            return "the answer clock is due in " + std::to_string(left) + " ms";
        }
    }
    return std::nullopt;
}

}  // namespace

Broken runState(const Tallyquip& w, const Data& d, const VirtualClock* clock, RunState& state)
{
    const bool k = w.keeptime.Enabled();
    const bool c = w.countdown.Enabled();
    const bool s = w.Timershock.Enabled();
    const bool open = w.results.Enabled();
    if (w.inputBlocked()) {
        return "input blocked outside a time-out wait";
    }
    if (!panelAgrees(w, open)) {
        return "the settings panel is partly open";
    }
    for (int i = 0; i < w.but.count(); ++i) {
        if (w.but(i).Enabled() == open) {
            return "the answer buttons are not the other way from the panel";
        }
    }
    if (!open && w.ck(10).Enabled()) {
        return "the plus-ten box is open while the panel is locked";
    }
    if (open && d.optype != optype::kMultiplication && !w.ck(10).Enabled()) {
        return "the plus-ten box is locked outside multiplication";
    }
    if (!w.Start.Enabled() || !w.Stop.Enabled() || !w.clear.Enabled()) {
        return "Start, Pause or Reset is disabled";
    }
    if (d.started != 0 && d.started != 1) {
        return "started is " + std::to_string(d.started);
    }
    if (!k && !c && !s && open) {
        if (w.Timecap.Caption() != "Time") {
            return "stopped, but Timecap reads '" + w.Timecap.Caption() + "'";
        }
        state = d.started == 0 ? RunState::Idle : RunState::Stopped;
        return std::nullopt;
    }
    if (d.started == 0) {
        return "not started, yet not idle";
    }
    if (!(k && c && s && !open)) {
        return "the clocks and the panel fit no run state";
    }
    state = RunState::Running;
    return problemShown(w, d, clock);
}

Broken windowState(const Tallyquip& w, const Data& d)
{
    if (d.optype < 0 || d.optype > optype::kMultiplication) {
        return "optype outside 0..3";
    }
    if (d.optype != 0 && !w.Option1(d.optype - optype::kAddition).Value()) {
        return "optype is not the chosen operation";
    }
    if (d.endmode < endmode::kTimeReached || d.endmode > endmode::kEitherReached) {
        return "endmode outside 1..4";
    }
    if (d.lastright != 0) {
        return "lastright left set between problems";
    }
    if (d.elapsed < 0 || d.shockleft < -1 || d.reviewgap < 0 || d.reviewgap > 5) {
        return "elapsed, shockleft or reviewgap out of range";
    }
    if (d.optype == 0 ? (d.retireat != 0 || d.wrongrepeat != 0) : (d.retireat < 1 || d.wrongrepeat < 1)) {
        return "retireat or wrongrepeat not as read from the settings";
    }
    const int interval = w.Timershock.Interval();
    if (interval != 4000 && (interval < 1500 || interval > 32769500)) {
        return "answer clock period out of range";
    }
    if (d.optype == optype::kMultiplication && w.ck(10).Value() != 0) {
        return "plus-ten ticked under multiplication";
    }
    if (tableBuilt(d)) {
        for (int i = 1; i <= 11; ++i) {
            if (item(d.numsel, i) != w.ck(i - 1).Value()) {
                return "numsel differs from the number boxes";
            }
        }
    }
    const std::string score =
        d.totalprobs == 0 ? "Score" : "Score:  " + digits(d.totalright) + " / " + digits(d.totalprobs);
    if (w.score.Caption() != score) {
        return "the score line reads '" + w.score.Caption() + "'";
    }
    return std::nullopt;
}

}  // namespace korvane::checks
