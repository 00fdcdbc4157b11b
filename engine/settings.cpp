// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "settings.h"

#include <limits>

#include "number_text.h"

namespace korvane {

namespace {

template <typename T>
T readWhole(std::string_view text, T& remembered, std::int64_t lo, std::int64_t hi)
{
    if (const auto number = parseNumber(text)) {
        if (const auto whole = roundedInRange(*number, lo, hi)) {
            remembered = static_cast<T>(*whole);
        }
    }
    return remembered;
}

constexpr std::int64_t kInt32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kInt32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kInt16Max = std::numeric_limits<std::int16_t>::max();

// Remembers a usable answer time and returns the one in force.
double readShockTime(std::string_view text, SettingsMemory& memory)
{
    if (const auto seconds = parseNumber(text)) {
        if (roundedInRange(*seconds, 0, kInt16Max)) {
            memory.shockTime = *seconds;
        }
    }
    return memory.shockTime;
}

}  // namespace

std::int32_t readTimeLimit(std::string_view text, SettingsMemory& memory)
{
    return readWhole(text, memory.timelimit, kInt32Min, kInt32Max);
}

std::int32_t readNumLimit(std::string_view text, SettingsMemory& memory)
{
    return readWhole(text, memory.numlimit, kInt32Min, kInt32Max);
}

std::int16_t readRetireAt(std::string_view text, SettingsMemory& memory)
{
    return readWhole(text, memory.retireat, 1, kInt16Max);
}

std::int16_t readWrongRepeat(std::string_view text, SettingsMemory& memory)
{
    return readWhole(text, memory.wrongrepeat, 1, kInt16Max);
}

std::int16_t readShockSeconds(std::string_view text, SettingsMemory& memory)
{
    // In range: only such values are remembered.
    return static_cast<std::int16_t>(roundedInRange(readShockTime(text, memory), 0, kInt16Max).value_or(0));
}

std::int32_t readShockInterval(std::string_view text, SettingsMemory& memory)
{
    // Whole milliseconds of a period up to about nine hours: always fits.
    const double ms = readShockTime(text, memory) * 1000.0 + 2000.0;
    return static_cast<std::int32_t>(roundedInRange(ms, 0, kInt32Max).value_or(0));
}

}  // namespace korvane
