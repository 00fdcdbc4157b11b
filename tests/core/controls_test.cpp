// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// The control model's event rules: check boxes, option groups, pupil input
// on disabled controls, timers on the virtual clock, bounds-checked arrays.

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "engine/controls.h"
#include "engine/data.h"
#include "rig.h"
#include "support/virtual_clock.h"

using namespace korvane;
using korvane::testing::Rig;

namespace {

using Times = std::vector<std::int64_t>;

TEST(CheckBoxEvents, ProgramChangeRaisesClickBeforeTheSetterReturnsAlsoWhileDisabled)
{
    for (const bool enabled : {true, false}) {
        ControlWindow window;
        CheckBox box(window, "ck(3)", 0);
        box.setEnabled(enabled);
        bool returned = false;
        std::vector<std::pair<int, bool>> seen;  // value seen by the handler; had the setter returned?
        box.onClick = [&] { seen.emplace_back(box.Value(), returned); };
        box.setValue(1);
        returned = true;
        box.setValue(1);  // the same value: nothing
        box.setValue(0);
        EXPECT_EQ(seen, (std::vector<std::pair<int, bool>>{{1, false}, {0, true}})) << "enabled=" << enabled;
    }
}

TEST(PupilInput, DisabledOrBlockedControlsIgnoreClicks)
{
    ControlWindow window;
    CommandButton button(window, "Start", "Start");
    CheckBox box(window, "ck(1)", 0);
    OptionGroup group(window, "Option1", {"( + )", "( - )", "( x )"}, 0);
    int clicks = 0;
    std::vector<Control*> controls{&button, &box, &group(2)};
    button.onClick = box.onClick = group(2).onClick = [&] { ++clicks; };
    const auto setAll = [&](bool enabled) {
        for (Control* c : controls) {
            c->setEnabled(enabled);
        }
    };
    const auto clickAll = [&] {
        button.click();
        box.click();
        group(2).click();
    };
    setAll(false);
    clickAll();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(box.Value(), 0);
    EXPECT_TRUE(group(0).Value());

    setAll(true);
    window.setInputBlocked(true);  // a modal popup is up
    clickAll();
    EXPECT_EQ(clicks, 0);

    window.setInputBlocked(false);
    clickAll();
    box.click();  // a second click toggles back
    EXPECT_EQ(clicks, 4);
    EXPECT_EQ(box.Value(), 0);
    EXPECT_TRUE(group(2).Value());
}

TEST(PupilInput, AControlMadeOnABlockedWindowIsBlockedToo)
{
    ControlWindow window;
    window.setInputBlocked(true);
    CommandButton late(window, "late", "Late");
    int clicks = 0;
    late.onClick = [&] { ++clicks; };
    late.click();
    EXPECT_EQ(clicks, 0);
    window.setInputBlocked(false);
    late.click();
    EXPECT_EQ(clicks, 1);
}

// Timers and sounds keep their own rules: nothing can treat them as plain
// controls and switch a timer on past its fresh-period rule.
static_assert(!std::is_convertible_v<Timer&, Control&>);
static_assert(!std::is_convertible_v<SoundRequest&, Control&>);

TEST(Sounds, EachRequestCallsThePlayerOnce)
{
    SoundRequest chime("scor");
    int heard = 0;
    chime.onPlay = [&] { ++heard; };
    chime.play();
    chime.play();
    EXPECT_EQ(heard, 2);
    EXPECT_EQ(chime.plays(), 2);
}

TEST(ObserverDeathTest, ReplacingAnObserverIsLoudInDebugBuilds)
{
    ControlWindow window;
    Label label(window, "cap", "");
    label.setObserver([] {});
    EXPECT_DEBUG_DEATH(label.setObserver([] {}), "observer is already set");
    label.clearObserver();
    label.setObserver([] {});  // after a clear, a new view may bind
    EXPECT_TRUE(label.observed());
}

TEST(OptionGroups, ChoosingSelectsOneClearsTheRestAndRaisesItsClick)
{
    ControlWindow window;
    OptionGroup group(window, "setp", {"Time", "Number", "More", "Less"}, 1);
    std::vector<int> raised;
    for (int i = 0; i < group.count(); ++i) {
        group(i).onClick = [&, i] {
            for (int k = 0; k < group.count(); ++k) {
                EXPECT_EQ(group(k).Value(), k == i);  // settled before the handler runs
            }
            raised.push_back(i);
        };
    }
    for (const int pick : {3, 0, 2}) {
        group(pick).choose();
    }
    EXPECT_EQ(raised, (std::vector<int>{3, 0, 2}));
}

TEST(OptionGroups, OperationAndEndModeNeverClearEachOther)
{
    Rig r(true);
    r->setp(3).click();
    r->Option1(2).click();
    r->setp(0).click();
    r->Option1(1).click();
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(r->setp(i).Value(), i == 0);
        EXPECT_EQ(i <= 2 && r->Option1(i).Value(), i == 1);
    }
}

// Two timers of 1000 ms on a virtual clock; each tick is logged with its time.
class TimerRules : public ::testing::Test {
protected:
    VirtualClock clock;
    Timer a{"a", 1000};
    Timer b{"b", 1000};
    std::vector<std::pair<std::string, std::int64_t>> log;

    void SetUp() override
    {
        for (Timer* t : {&a, &b}) {
            clock.attach(*t);
            t->onTimer = [this, t] { log.emplace_back(t->name(), clock.now()); };
        }
    }
    Times ticksOf(const std::string& name) const
    {
        Times times;
        for (const auto& [n, t] : log) {
            if (n == name) {
                times.push_back(t);
            }
        }
        return times;
    }
};

TEST_F(TimerRules, FirstTickComesOnePeriodAfterEnablingThenEveryPeriod)
{
    clock.advance(250);
    a.setEnabled(true);
    clock.advance(999);
    EXPECT_TRUE(log.empty());
    clock.advance(3001);
    EXPECT_EQ(ticksOf("a"), (Times{1250, 2250, 3250, 4250}));
}

TEST_F(TimerRules, EnablingARunningTimerChangesNothing)
{
    a.setEnabled(true);
    clock.advance(400);
    a.setEnabled(true);
    EXPECT_EQ(clock.untilNextTick(a), 600);
    clock.advance(1600);
    EXPECT_EQ(ticksOf("a"), (Times{1000, 2000}));
}

TEST_F(TimerRules, DisablingDropsThePartialPeriod)
{
    a.setEnabled(true);
    clock.advance(600);
    a.setEnabled(false);
    EXPECT_EQ(clock.untilNextTick(a), -1);
    clock.advance(1000);
    a.setEnabled(true);  // at 1600: a whole period again
    clock.advance(999);
    EXPECT_TRUE(log.empty());
    clock.advance(1);
    EXPECT_EQ(ticksOf("a"), (Times{2600}));
}

TEST_F(TimerRules, StartOnARunningTimerBeginsAFreshPeriod)
{
    a.start();  // on a stopped timer: like enabling
    clock.advance(700);
    a.start();
    EXPECT_EQ(clock.untilNextTick(a), 1000);
    clock.advance(2000);
    EXPECT_EQ(ticksOf("a"), (Times{1700, 2700}));
}

TEST_F(TimerRules, TicksAtOneInstantFireInStartOrderOneHandlerAtATime)
{
    b.setEnabled(true);
    a.setEnabled(true);
    int running = 0;
    for (Timer* t : {&a, &b}) {
        t->onTimer = [this, t, &running] {
            EXPECT_EQ(running++, 0);
            log.emplace_back(t->name(), clock.now());
            --running;
        };
    }
    clock.advance(2000);
    using Tick = std::pair<std::string, std::int64_t>;
    EXPECT_EQ(log, (std::vector<Tick>{{"b", 1000}, {"a", 1000}, {"b", 2000}, {"a", 2000}}));
}

TEST_F(TimerRules, AHandlerMayAdvanceTheClockItselfAndTicksStayInTimeOrder)
{
    b.setInterval(700);
    a.setEnabled(true);
    b.setEnabled(true);
    a.onTimer = [this] {
        log.emplace_back("a", clock.now());
        a.setEnabled(false);
        clock.advance(2500);  // waits like the modal popup, from 1000 to 3500
        log.emplace_back("a returns", clock.now());
    };
    clock.advance(5000);
    EXPECT_EQ(clock.now(), 5000);
    EXPECT_EQ(ticksOf("a"), (Times{1000}));
    EXPECT_EQ(ticksOf("a returns"), (Times{3500}));
    EXPECT_EQ(ticksOf("b"), (Times{700, 1400, 2100, 2800, 3500, 4200, 4900}));
    for (std::size_t i = 1; i < log.size(); ++i) {
        EXPECT_LE(log[i - 1].second, log[i].second);
    }
}

TEST(BoundsCheckedArrays, IndexesOutsideTheirRangeThrow)
{
    Data d;
    Rig r(true);
    EXPECT_THROW(d.facts(0), std::out_of_range);
    EXPECT_THROW(d.facts(201), std::out_of_range);
    EXPECT_THROW(d.pool(0), std::out_of_range);
    EXPECT_THROW(d.reviewstack(201), std::out_of_range);
    EXPECT_THROW(d.numsel(12), std::out_of_range);
    EXPECT_THROW(d.choices(4), std::out_of_range);
    EXPECT_THROW(r->but(3), std::out_of_range);
    EXPECT_THROW(r->but(-1), std::out_of_range);
    EXPECT_THROW(r->ck(11), std::out_of_range);
    EXPECT_THROW(r->pic(4), std::out_of_range);
    EXPECT_THROW(r->Option1(3), std::out_of_range);
    EXPECT_THROW(r->setp(4), std::out_of_range);
    EXPECT_NO_THROW(d.facts(1).answer = d.facts(200).answer);
    EXPECT_NO_THROW(r->but(2).Caption());
    EXPECT_NO_THROW(r->ck(10).Value());
}

}  // namespace
