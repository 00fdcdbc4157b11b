// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Drives timers in virtual time: advance(ms) fires every due tick in time
// order, one handler at a time. A handler may itself advance the clock (the
// modal popup's wait does), and may start or stop any timer.

#include <cstdint>
#include <vector>

#include "engine/controls.h"

namespace korvane {

class VirtualClock {
public:
    // Watches the timer from now on (becomes its observer).
    void attach(Timer& timer);
    void advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    // Milliseconds until the timer's next tick, or -1 while it is stopped.
    std::int64_t untilNextTick(const Timer& timer) const;

private:
    struct Entry {
        Timer* timer;
        std::uint64_t period;  // the timer's period number when scheduled
        std::int64_t due;      // time of the next tick
        std::uint64_t order;   // ties at one instant fire in start order
    };
    void reschedule(Entry& entry);
    Entry* nextDue(std::int64_t limit);

    std::vector<Entry> entries_;
    std::int64_t now_ = 0;
    std::uint64_t nextOrder_ = 0;
};

}  // namespace korvane
