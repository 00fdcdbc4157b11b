// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "random_source.h"

#include <chrono>
#include <cmath>

namespace korvane {

double SeededRandom::next() { return std::generate_canonical<double, 53>(engine_); }

void SeededRandom::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    engine_.seed(static_cast<std::uint64_t>(ticks));
}

double clampUnit(double value)
{
    if (!(value >= 0.0)) {  // negative or NaN
        return 0.0;
    }
    if (value >= 1.0) {
        return std::nextafter(1.0, 0.0);
    }
    return value;
}

}  // namespace korvane
