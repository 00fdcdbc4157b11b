// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "scripted_random.h"

namespace korvane {

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

}  // namespace korvane
