// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>

namespace korvane {

namespace {

char32_t zeroDigit = U'0';

// The digit sets read besides 0-9 whatever the language: keyboards of the
// region type either of the two Arabic-script sets.
constexpr char32_t kArabicIndicZero = U'\u0660';
constexpr char32_t kPersianZero = U'\u06F0';

// UTF-8 of a code point of the Basic Multilingual Plane, where every zero
// written lies.
std::string utf8(char32_t c)
{
    if (c < 0x80) {
        return std::string(1, static_cast<char>(c));
    }
    if (c < 0x800) {
        return {static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F))};
    }
    return {static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
            static_cast<char>(0x80 | (c & 0x3F))};
}

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

void useZeroDigit(char32_t zero)
{
    // Only the zeros of the sets Unicode keeps as ten code points in a row
    // that the program may meet; anything else would write no digits at all.
    constexpr char32_t kZeros[] = {U'0',      U'\u0660', U'\u06F0', U'\u07C0', U'\u0966', U'\u09E6', U'\u0A66',
                                   U'\u0AE6', U'\u0B66', U'\u0BE6', U'\u0C66', U'\u0CE6', U'\u0D66', U'\u0E50',
                                   U'\u0ED0', U'\u0F20', U'\u1040', U'\u17E0', U'\u1810', U'\uFF10'};
    zeroDigit = std::find(std::begin(kZeros), std::end(kZeros), zero) != std::end(kZeros) ? zero : U'0';
}

std::string asciiDigits(std::string_view text)
{
    // A whole UTF-8 sequence never matches inside another one, so each
    // digit can be replaced where it is found.
    std::string out(text);
    for (const char32_t zero : {zeroDigit, kArabicIndicZero, kPersianZero}) {
        for (char32_t d = 0; zero != U'0' && d <= 9; ++d) {
            const std::string digit = utf8(zero + d);
            for (std::size_t at = out.find(digit); at != std::string::npos; at = out.find(digit, at + 1)) {
                out.replace(at, digit.size(), 1, static_cast<char>('0' + d));
            }
        }
    }
    return out;
}

std::optional<double> parseNumber(std::string_view typed)
{
    const std::string ascii = asciiDigits(typed);
    std::string_view text = ascii;
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

std::string digits(std::int64_t value)
{
    std::string ascii = std::to_string(value);
    if (zeroDigit == U'0') {
        return ascii;
    }
    std::string out;
    for (const char c : ascii) {
        out += isDigit(c) ? utf8(zeroDigit + static_cast<char32_t>(c - '0')) : std::string(1, c);
    }
    return out;
}

}  // namespace korvane
