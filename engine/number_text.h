// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Numbers as text: settings typed or chosen in the combo boxes are read
// here, and counts are written as plain digits.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// A decimal number with optional sign, fraction and exponent, surrounded by
// any number of blanks. Anything else (empty, blank-only, words, hex, inf,
// nan) gives no value.
std::optional<double> parseNumber(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour,
// and keeps the result only when it lies in lo..hi.
std::optional<std::int64_t> roundedInRange(double value, std::int64_t lo, std::int64_t hi);

// Plain decimal digits, a minus sign where needed, no blanks.
std::string digits(std::int64_t value);

}  // namespace korvane
