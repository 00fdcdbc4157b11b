// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Reading the settings texts. A text that is not a usable number leaves the
// value last read in force; before any good reading, the start-up value.

#include <cstdint>
#include <string_view>

namespace korvane {

struct SettingsMemory {
    std::int32_t timelimit = 5;    // minutes
    std::int32_t numlimit = 40;    // problems
    std::int16_t retireat = 3;     // right answers
    std::int16_t wrongrepeat = 5;  // presentations of a missed fact
    // The answer time in seconds as last read. The countdown's seconds and
    // the answer clock's period both come from this one value, so a reading
    // that only one of them follows cannot put them out of step.
    double shockTime = 5.0;
};

// Each reads its text, remembers a usable value in memory and returns the
// value in force.
std::int32_t readTimeLimit(std::string_view text, SettingsMemory& memory);
std::int32_t readNumLimit(std::string_view text, SettingsMemory& memory);
// Below 1 would leave a fact on the review stack for ever or retire it
// before it is ever asked, so those count as unusable.
std::int16_t readRetireAt(std::string_view text, SettingsMemory& memory);
std::int16_t readWrongRepeat(std::string_view text, SettingsMemory& memory);
// Usable when the seconds, rounded, lie in 0..32767. The countdown starts
// from the seconds rounded; the answer clock's period is seconds x 1000 +
// 2000 ms, rounded.
std::int16_t readShockSeconds(std::string_view text, SettingsMemory& memory);
std::int32_t readShockInterval(std::string_view text, SettingsMemory& memory);

}  // namespace korvane
