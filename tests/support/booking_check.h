// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One booking per problem: the state of the fact on display just before the
// pupil's answer (or the time-out) is booked, and the check that the booking
// moved it along exactly once, as the booking rules say.

#include "drill_checks.h"

namespace korvane::checks {

struct Booking {
    int fact = 0;
    Fact before;
    bool inPool = false;
    bool onStack = false;
    bool right = false;
    std::int16_t retireat = 0;
    std::int16_t wrongrepeat = 0;
    std::int16_t totalright = 0;
};

// The fact on display before it is booked as right or wrong. Broken when no
// problem is on display to book.
Broken bookingBefore(const Data& d, bool right, Booking& booking);
// The fact moved along exactly as one booking moves it.
Broken bookedOnce(const Booking& booking, const Data& after);

}  // namespace korvane::checks
