// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The time-out wait of a fuzzed session: what the modal popup's wait must
// look like, what the pupil does during it, and its booking, checked once
// the wait is over.

#include <algorithm>
#include <limits>

#include "drill_session.h"

namespace korvane::fuzz {

void Session::timeOutWait()
{
    verifyPending(true);
    require(w().inputBlocked(), "the main window takes input during the time-out wait");
    require(tpop_.IsLoaded() && tpop_.Visible() && tpop_.Modal(), "the time-out popup is not shown modal");
    require(tpop_.Label1.Caption() == " ^_^ !!Time Out!! ^_^ ", "the time-out popup has the wrong headline");
    require(w().pic(picture::kTimeOut).Visible(), "the time-out picture is not shown");
    require(!w().countdown.Enabled() && !w().Timershock.Enabled(), "an answer clock runs during the time-out wait");
    require(w().keeptime.Enabled() && data_.started == 1, "the run clock stopped for the time-out wait");
    require(w().Start.Enabled() && w().but(0).Enabled(), "the controls of a running drill are not enabled");
    checkDrill();
    const checks::Booking b = capture(false);
    require(tpop_.giveanswer.Caption() == answerLine(data_.optype, b.before),
            "the time-out popup does not show the fact timed out");

    if (script_.pokeMainWindow) {
        pokeMainWindow();
    }

    // The run clock goes on counting minutes while the pupil reads.
    const std::int32_t elapsed = data_.elapsed;
    const std::int64_t firstTick = clock_.untilNextTick(w().keeptime);
    const std::int64_t ticks = script_.waitMs >= firstTick ? 1 + (script_.waitMs - firstTick) / 60000 : 0;
    clock_.advance(script_.waitMs);
    require(data_.elapsed == elapsed + ticks, "the run clock did not count the time-out wait");
    require(!w().countdown.Enabled() && !w().Timershock.Enabled(), "an answer clock started during the wait");

    if (script_.closeWindow) {
        w().windowClosed();
        closed_ = true;
        tpop_.kill.click();
        return;  // the time-out is not booked
    }
    if (script_.pressOk) {
        tpop_.kill.click();
        require(!tpop_.IsLoaded(), "OK does not close the time-out popup");
    }
    ++bookings_;
    pending_ = b;
}

// Every click on the main window during the wait is ignored.
void Session::pokeMainWindow()
{
    const char* what = "a click during the time-out wait changed something";
    ignoredClick([&] { w().Start.click(); }, what);
    ignoredClick([&] { w().Stop.click(); }, what);
    ignoredClick([&] { w().clear.click(); }, what);
    ignoredClick([&] { w().but(data_.rightslot >= 1 && data_.rightslot <= 3 ? data_.rightslot - 1 : 0).click(); },
                 what);
    ignoredClick([&] { w().ck(3).click(); }, what);
    ignoredClick([&] { w().Option1(2).click(); }, what);
    ignoredClick([&] { w().results.click(); }, what);
}

// The time-out booked last: checked at the next wait or once the clock has
// stopped, the fact being untouched in between.
void Session::verifyPending(bool inWait)
{
    if (closed_) {
        pending_.reset();
        return;
    }
    if (pending_) {
        const checks::Booking b = *pending_;
        pending_.reset();
        require(checks::bookedOnce(b, data_));
        if (!inWait) {
            require(!tpop_.IsLoaded() && !w().inputBlocked(), "the time-out popup outlived its wait");
        }
    }
}

}  // namespace korvane::fuzz
