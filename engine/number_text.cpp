// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <utility>

namespace korvane {

namespace {

char32_t zeroDigit = U'0';

// The digit sets read besides 0-9 whatever the language: keyboards of the
// region give either of the two Arabic-script sets.
constexpr char32_t kArabicIndicZero = U'\u0660';
constexpr char32_t kPersianZero = U'\u06F0';

// The zeros written are all in the Basic Multilingual Plane.
void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The code point starting at text[i] and its length in bytes; a byte that
// starts no well-formed sequence stands for itself.
std::pair<char32_t, std::size_t> codePointAt(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80           ? 1
                               : (lead >> 5) == 0x6  ? 2
                               : (lead >> 4) == 0xE  ? 3
                               : (lead >> 3) == 0x1E ? 4
                                                     : 0;
    if (length == 0 || i + length > text.size()) {
        return {lead, 1};
    }
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            return {lead, 1};
        }
        c = (c << 6) | (next & 0x3F);
    }
    return {c, length};
}

// 0 to 9 for a digit of a set read, -1 for any other code point.
int digitValue(char32_t c)
{
    for (const char32_t zero : {U'0', zeroDigit, kArabicIndicZero, kPersianZero}) {
        if (c >= zero && c <= zero + 9) {
            return static_cast<int>(c - zero);
        }
    }
    return -1;
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
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = codePointAt(text, i);
        if (const int value = digitValue(c); value >= 0) {
            out += static_cast<char>('0' + value);
        } else {
            out.append(text.substr(i, length));
        }
        i += length;
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
        if (isDigit(c)) {
            appendUtf8(out, zeroDigit + static_cast<char32_t>(c - '0'));
        } else {
            out += c;
        }
    }
    return out;
}

}  // namespace korvane
