// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The one clock every benchmark program reads, so that times taken in
// different processes can be subtracted: the steady clock, which on Linux
// is CLOCK_MONOTONIC, in nanoseconds.

#include <chrono>
#include <cstdint>

namespace korvane::bench {

inline std::int64_t monotonicNs()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

inline double nsToMs(std::int64_t ns) { return static_cast<double>(ns) / 1e6; }

}  // namespace korvane::bench
