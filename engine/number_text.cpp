// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "number_text.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace korvane {

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Checks the grammar by hand: from_chars alone would also take "inf", "nan"
// and hex floats, which are no numbers to a pupil.
bool wellFormed(std::string_view s)
{
    std::size_t i = 0;
    std::size_t mantissaDigits = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++mantissaDigits;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t expDigits = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++expDigits;
        }
        if (expDigits == 0) {
            return false;
        }
    }
    return i == s.size();
}

}  // namespace

std::optional<double> parseNumber(std::string_view text)
{
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (!wellFormed(text)) {
        return std::nullopt;
    }
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || !std::isfinite(value)) {
        return std::nullopt;  // out of double's range, e.g. 1e999
    }
    return negative ? -value : value;
}

std::optional<std::int64_t> roundedInRange(double value, std::int64_t lo, std::int64_t hi)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // nearbyint follows the default rounding mode, round-half-to-even.
    const double whole = std::nearbyint(value);
    // Compare as integers: a bound near 2^63 is not exact as a double, so
    // the value must first be known to fit before it is converted.
    if (!(whole >= -0x1p63 && whole < 0x1p63)) {
        return std::nullopt;
    }
    const auto n = static_cast<std::int64_t>(whole);
    if (n < lo || n > hi) {
        return std::nullopt;
    }
    return n;
}

std::string digits(std::int64_t value) { return std::to_string(value); }

}  // namespace korvane
