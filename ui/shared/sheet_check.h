// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// What a sheet must be for the builder to make it, checked as it compiles:
// every row lies in the window or in a frame an earlier row opened, names
// its widget, and has a place in the tab order of its own.

#include <array>
#include <cstddef>

#include "sheet.h"

namespace korvane::sheet {

template <std::size_t N>
constexpr bool wellFormed(const std::array<Row, N>& rows)
{
    std::array<bool, kMostFrames + 1> opened{true};
    for (std::size_t i = 0; i < N; ++i) {
        const Row& row = rows[i];
        if (row.in < 0 || row.in > kMostFrames || !opened[static_cast<std::size_t>(row.in)]) {
            return false;
        }
        if (row.target.kind == Kind::Frame) {
            if (row.frame <= kWindow || row.frame > kMostFrames) {
                return false;
            }
            opened[static_cast<std::size_t>(row.frame)] = true;
        }
        if (!row.target.bound && row.target.name == nullptr) {
            return false;
        }
        for (std::size_t j = 0; j < i && row.tab >= 0; ++j) {
            if (rows[j].tab == row.tab) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace korvane::sheet
