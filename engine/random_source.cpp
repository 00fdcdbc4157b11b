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

void ScriptedRandom::pushDigits(std::initializer_list<int> digitsToDraw)
{
    // The middle of each tenth, so floor(value * 10) is exactly the digit.
    for (int d : digitsToDraw) {
        values_.push_back((d + 0.5) / 10.0);
    }
}

double ScriptedRandom::next()
{
    ++drawn_;
    if (values_.empty()) {
        return 0.0;
    }
    const double value = values_.front();
    values_.pop_front();
    return value;
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
