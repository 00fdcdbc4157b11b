// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Numbers as text: settings typed or chosen in the combo boxes are read
// here, and counts are written as plain digits, in the digits the pupil's
// school writes (0-9 unless the view says otherwise at start-up).

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

// The zero of the digits written from now on (U'0', U'\u06F0' for Persian,
// U'\u0660' for Eastern Arabic); the next nine code points are 1 to 9.
// Anything but the zero of a run of ten decimal digits keeps 0-9.
void useZeroDigit(char32_t zero);

// `text` with every digit of the school's set, of the Arabic and Persian
// sets and of 0-9 written as 0-9; all else unchanged.
std::string asciiDigits(std::string_view text);

// A decimal number with optional sign, fraction and exponent, surrounded by
// any number of blanks; the digits may be any asciiDigits() reads. Anything else (empty, blank-only, words, hex, inf,
// nan) gives no value.
std::optional<double> parseNumber(std::string_view text);

// Rounds to the nearest whole number, a half going to the even neighbour,
// and keeps the result only when it lies in lo..hi.
std::optional<std::int64_t> roundedInRange(double value, std::int64_t lo, std::int64_t hi);

// Decimal digits of the school's set, a minus sign where needed, no blanks.
std::string digits(std::int64_t value);

}  // namespace korvane
