// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Counts in the drill state stop at their type's maximum instead of wrapping
// round to a negative score.

#include <concepts>
#include <limits>

namespace korvane {

template <std::integral T>
void countUp(T& value)
{
    if (value < std::numeric_limits<T>::max()) {
        ++value;
    }
}

}  // namespace korvane
