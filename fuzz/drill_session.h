// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The whole program headless, driven by the decoded actions of a fuzz
// input. Each action clicks, types or lets time pass as a pupil would, then
// checks what that action must have done; check() runs the shared drill
// invariants after every step, and inside every time-out wait. A broken
// check prints what broke and traps, so libFuzzer keeps the input.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "drill_input.h"
#include "engine/tallyquip.h"
#include "support/booking_check.h"
#include "support/run_state_check.h"
#include "support/virtual_clock.h"
#include "table_checks.h"
#include "tests/core/scripted_view.h"
#include "ui/popup/model/tpop.h"
#include "ui/results/model/pf.h"

namespace korvane::fuzz {

// The step being run, for the failure message.
extern int currentStep;
[[noreturn]] void fail(const std::string& what);
void require(bool ok, const char* what);
void require(const checks::Broken& broken);

// What a time-out wait does: how long the pupil takes, whether they press
// OK, whether they try the main window meanwhile, whether they close it.
struct PopupScript {
    std::int64_t waitMs = 0;
    bool pressOk = true;
    bool pokeMainWindow = false;
    bool closeWindow = false;
};

class Session {
public:
    explicit Session(Input& input);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    bool closed() const { return closed_; }
    Tallyquip& w() { return *w_; }
    const Data& data() const { return data_; }

    // ---- the pupil's actions ----------------------------------------------
    void answer(int k);  // clicks but(k)
    void start();
    void pause();
    void reset();
    void results();
    void resultsButton(int which);  // show10, show20 or okclose
    void operation(int i);          // Option1(i)
    void endMode(int i);            // setp(i)
    void numberBox(int i);          // ck(i)
    void selectAll();
    void unselectAll();
    ComboBox& combo(std::uint8_t b);
    void type(ComboBox& box, const std::string& text);
    void advance(std::int64_t ms);
    // To the answer clock's next tick (or the run clock's), moved by offset ms.
    void toTimeout(int offset);
    void setPopupScript(const PopupScript& script) { script_ = script; }
    void popupOk();
    void closeWindow();

    // The invariants of the drill and its window after a step.
    void check();

private:
    bool accepts(const Control& c) const { return c.Enabled() && !w_->inputBlocked(); }
    template <typename Click>
    void ignoredClick(Click click, const char* what);
    template <typename Click>
    void settingsClick(const Control& control, Click click, bool rebuilds);
    checks::RunState currentRunState();
    checks::Booking capture(bool right);
    void afterClose();
    void timeOutWait();
    void pokeMainWindow();
    void verifyPending(bool inWait);
    void checkDrill();

    Data data_;
    FuzzRandom random_;
    Tpop tpop_;
    Pf pf_;
    korvane::testing::ScriptedView tpopView_;
    VirtualClock clock_;
    std::unique_ptr<Tallyquip> w_;
    TableChecks table_;
    // Copies of the drill state to compare with after a click, kept off the
    // stack: a Data is a few kilobytes, and a stack copy for every click
    // costs the address sanitizer more than the copy itself. Copies nest (a
    // click inside a time-out wait inside a step), so they form a stack.
    std::vector<Data> saved_;
    PopupScript script_;
    std::optional<checks::Booking> pending_;
    std::int64_t bookings_ = 0;
    std::int64_t virtualMs_ = 0;
    bool closed_ = false;
};

// A click the window must ignore changes nothing at all.
template <typename Click>
void Session::ignoredClick(Click click, const char* what)
{
    const std::size_t depth = saved_.size();
    saved_.push_back(data_);
    const bool k = w().keeptime.Enabled();
    const bool c = w().countdown.Enabled();
    const bool t = w().Timershock.Enabled();
    const bool popup = tpop_.IsLoaded();
    const bool results = pf_.IsLoaded();
    click();
    require(checks::sameData(saved_[depth], data_), what);
    saved_.pop_back();
    require(k == w().keeptime.Enabled() && c == w().countdown.Enabled() && t == w().Timershock.Enabled(), what);
    require(popup == tpop_.IsLoaded() && results == pf_.IsLoaded(), what);
}

}  // namespace korvane::fuzz
