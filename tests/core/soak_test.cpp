// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Thousands of random runs: answer clicks, Pause, Start, Reset, settings
// changes (junk texts included) and clock advances across time-outs, with
// the invariants of the drill state, the run-state table and the booking
// count checked after every event and inside every time-out wait.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "run_helpers.h"
#include "support/booking_check.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

const std::vector<std::string> kTexts = {"   1", "   2", "  3 ", "    5", "  10", " 100", "0",   "-5",  "1e9",
                                         "",     "abc",  "   ",  "2.5",   "+4",   "1e3",  "0.4", " 20", "  40"};

class SoakRun {
public:
    explicit SoakRun(std::uint32_t seed) : rng_(seed)
    {
        r.seeded.seed(seed);  // Form_Load seeded from the clock; make the draws repeatable
        r.tpopView.duringModal = [this] { timeOutWait(); };
    }

    // Plays `events` random events; stops at the first broken rule.
    void play(int events)
    {
        for (int e = 0; e < events && !::testing::Test::HasFailure(); ++e) {
            step();
            check();
        }
    }

private:
    int pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    void step()
    {
        const int kind = pick(100);
        if (kind < 35) {
            answer();
        } else if (kind < 43) {
            event_ = "Start";
            r->Start.click();
        } else if (kind < 49) {
            event_ = "Pause";
            r->Stop.click();
        } else if (kind < 52) {
            event_ = "Reset";
            r->clear.click();
            probs_ = 0;
            right_ = 0;
        } else if (kind < 70) {
            settings();
        } else if (kind < 73) {
            event_ = "popup OK";
            r.tpop.kill.click();
        } else {
            advance();
        }
    }

    void answer()
    {
        const int how = pick(3);
        const int index = std::max(0, how == 0 ? r.data.rightslot - 1 : how == 1 ? r.data.rightslot % 3 : pick(3));
        event_ = "answer but(" + std::to_string(index) + ")";
        CommandButton& button = r->but(index);
        const bool takes = button.Enabled() && !r->inputBlocked();
        const bool isRight = takes && index + 1 == r.data.rightslot;
        const Data before = r.data;
        checks::Booking booking;
        if (takes) {
            EXPECT_TRUE(holds(checks::bookingBefore(r.data, isRight, booking))) << event_;
        }
        button.click();
        if (!takes) {
            return;
        }
        EXPECT_TRUE(holds(checks::bookedOnce(booking, r.data))) << event_;
        ++probs_;
        if (isRight) {
            ++right_;
            ++chimes_;
        } else {
            ++beeps_;
            EXPECT_TRUE(r.tpop.Visible()) << event_;
            EXPECT_EQ(r.tpop.giveanswer.Caption(), expectedAnswerLine(before, before.facts(before.curfact)));
        }
    }

    void settings()
    {
        const bool open = !r->keeptime.Enabled();
        const std::string before = describe(r);
        switch (pick(6)) {
        case 0:
            event_ = "operation";
            r->Option1(pick(3)).click();
            break;
        case 1:
            event_ = "number box";
            r->ck(pick(11)).click();
            break;
        case 2:
            event_ = "Select All";
            r->selectall.click();
            break;
        case 3:
            event_ = "Unselect";
            r->unselect.click();
            break;
        case 4:
            event_ = "end mode";
            r->setp(pick(4)).click();
            break;
        default: {
            ComboBox* boxes[] = {&r->maxtime, &r->MaxNum, &r->wrongnum, &r->NumRepeat, &r->ShockTime};
            const std::string& text = kTexts[static_cast<std::size_t>(pick(static_cast<int>(kTexts.size())))];
            event_ = "combo '" + text + "'";
            boxes[pick(5)]->typeText(text);
            break;
        }
        }
        if (!open) {
            EXPECT_EQ(describe(r), before) << event_ << " changed a locked panel";
        }
    }

    void advance()
    {
        const int band = pick(10);
        const int ms = band < 4 ? 1 + pick(1500) : band < 7 ? 1500 + pick(6500) : band < 9 ? pick(65000) : pick(400000);
        event_ = "advance " + std::to_string(ms);
        const int chimesBefore = r->scor.plays();
        r.clock.advance(ms);
        EXPECT_EQ(r->scor.plays(), chimesBefore) << "time alone played the chime";
    }

    // The modal wait of a time-out: the row of the table, the popup, and a
    // main window that ignores every click.
    void timeOutWait()
    {
        ++beeps_;
        EXPECT_EQ(++depth_, 1) << "a time-out inside a time-out wait";
        EXPECT_EQ(r.data.totalprobs, probs_) << "booked before the wait ended";
        EXPECT_EQ(r->beep.plays(), beeps_);
        EXPECT_TRUE(r->inputBlocked());
        EXPECT_TRUE(r->keeptime.Enabled());
        EXPECT_FALSE(r->countdown.Enabled());
        EXPECT_FALSE(r->Timershock.Enabled());
        EXPECT_TRUE(answerButtonsEnabled(r, true));
        EXPECT_TRUE(allEnabled(settingsControls(r), false));
        EXPECT_TRUE(r.tpop.Visible() && r.tpop.Modal());
        EXPECT_EQ(r.tpop.Label1.Caption(), " ^_^ !!Time Out!! ^_^ ");
        EXPECT_EQ(r.tpop.giveanswer.Caption(), expectedAnswerLine(r.data, r.current()));
        EXPECT_EQ(visiblePicture(r), 1);

        if (chance(60)) {
            const std::int64_t elapsed = r.data.elapsed;
            const int wait = pick(130000);
            r.clock.advance(wait);
            EXPECT_GE(r.data.elapsed, elapsed + wait / 60000);
        }
        const std::string before = describe(r);
        for (int k = pick(4); k > 0; --k) {
            switch (pick(7)) {
            case 0:
                r->Start.click();
                break;
            case 1:
                r->Stop.click();
                break;
            case 2:
                r->clear.click();
                break;
            case 3:
                r->but(pick(3)).click();
                break;
            case 4:
                r->ck(pick(11)).click();
                break;
            case 5:
                r->Option1(pick(3)).click();
                break;
            default:
                r->selectall.click();
                break;
            }
        }
        EXPECT_EQ(describe(r), before) << "a click got through the time-out wait";
        const int close = pick(10);
        if (close < 6) {
            r.tpop.kill.click();
        } else if (close < 9) {
            r.tpop.Unload();
        }
        ++probs_;  // the wait is over: booked once, as a miss
        --depth_;
    }

    void check()
    {
        SCOPED_TRACE("after " + event_);
        EXPECT_EQ(r.data.totalprobs, probs_);
        EXPECT_EQ(r.data.totalright, right_);
        EXPECT_EQ(r->scor.plays(), chimes_);
        EXPECT_EQ(r->beep.plays(), beeps_);
        EXPECT_EQ(r.data.lastright, 0);
        EXPECT_TRUE(dataInvariants(r.data));
        EXPECT_TRUE(holds(checks::windowState(*r, r.data)));
        EXPECT_TRUE(runStateRow(r));
        if (r.data.started == 0) {
            EXPECT_FALSE(r->keeptime.Enabled()) << "running while idle";
        }
        if (r.data.optype == 3) {
            EXPECT_EQ(r->ck(10).Value(), 0) << "plus-ten ticked under multiplication";
        }
        if (r.tpop.IsLoaded()) {
            EXPECT_FALSE(r.tpop.Modal());
            EXPECT_EQ(r.tpop.Label1.Caption(), " ^.^ !! Wrong Answer !! ^.^ ");
        }
        const std::string& t = r->Timecap.Caption();
        EXPECT_TRUE(t == "Time" || (t.rfind("Time:  ", 0) == 0 && t.size() > 7 && t[7] != '-')) << t;
    }

    Rig r;
    std::mt19937 rng_;
    std::string event_ = "start-up";
    int probs_ = 0;
    int right_ = 0;
    int chimes_ = 0;
    int beeps_ = 0;
    int depth_ = 0;
};

TEST(Soak, RandomPupilsNeverBreakTheRulesOfARun)
{
    std::mt19937 seeds(20240611);
    for (int run = 0; run < 1500 && !HasFailure(); ++run) {
        const std::uint32_t seed = seeds();
        SCOPED_TRACE("run " + std::to_string(run) + ", seed " + std::to_string(seed));
        SoakRun(seed).play(60);
    }
}

}  // namespace
