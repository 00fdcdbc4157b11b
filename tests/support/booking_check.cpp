// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "booking_check.h"

#include <limits>

namespace korvane::checks {

namespace {

std::int16_t saturatedUp(std::int16_t v)
{
    return v < std::numeric_limits<std::int16_t>::max() ? static_cast<std::int16_t>(v + 1) : v;
}

}  // namespace

Broken bookingBefore(const Data& d, bool right, Booking& b)
{
    b.fact = d.curfact;
    if (b.fact < 1 || b.fact > kMaxFacts) {
        return "curfact outside 1..200 at a booking";
    }
    b.before = item(d.facts, b.fact);
    b.inPool = inPool(d, b.fact);
    b.onStack = onStack(d, b.fact);
    b.right = right;
    b.retireat = d.retireat;
    b.wrongrepeat = d.wrongrepeat;
    b.totalright = d.totalright;
    if (!b.inPool) {
        return "the fact on display is not in the pool";
    }
    if (d.lastright != 0) {
        return "lastright set before the answer";
    }
    return std::nullopt;
}

Broken bookedOnce(const Booking& b, const Data& d)
{
    const Fact& now = item(d.facts, b.fact);
    if (now.num1 != b.before.num1 || now.num2 != b.before.num2 || now.answer != b.before.answer) {
        return "a booking changed the fact itself";
    }
    const std::int16_t right = b.right ? saturatedUp(b.before.timesright) : b.before.timesright;
    const std::int16_t wrong = b.right ? b.before.timeswrong : saturatedUp(b.before.timeswrong);
    if (now.timesright != right || now.timeswrong != wrong) {
        return "a booking did not count the answer once";
    }
    if (d.totalright != (b.right ? saturatedUp(b.totalright) : b.totalright)) {
        return "a booking did not count totalright once";
    }

    int review = b.before.review;
    const bool added = !b.right && review == -1;
    if (added) {
        review = b.wrongrepeat;
    }
    if (review != -1) {
        --review;
    }
    const bool leaves = (right >= b.retireat && review == -1) || review == 0;
    if (now.review != review) {
        return "a booking left the wrong review count";
    }
    if (inPool(d, b.fact) != (b.inPool && !leaves)) {
        return "a booking left the fact in or out of the pool wrongly";
    }
    if (onStack(d, b.fact) != ((b.onStack || added) && review != 0)) {
        return "a booking left the fact on or off the review stack wrongly";
    }
    return std::nullopt;
}

}  // namespace korvane::checks
