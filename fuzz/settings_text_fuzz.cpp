// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Fuzz target: any bytes as the text of a settings combo box.
//
// The text goes through parseNumber, roundedInRange and every read* function
// of engine/settings.h. Each result is checked against an independent
// reading of the same text: the number grammar written out by hand, the C
// library's strtod for the value and a hand-made round-half-to-even for the
// whole number. A broken check ends in __builtin_trap() so libFuzzer keeps
// the input.

#include <array>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

#include "engine/number_text.h"
#include "engine/settings.h"

using namespace korvane;

namespace {

[[noreturn]] void fail(const char* what, std::string_view text)
{
    std::fprintf(stderr, "settings_text_fuzz: %s; text (%zu bytes):", what, text.size());
    for (const char c : text) {
        std::fprintf(stderr, " %02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
    }
    std::fputc('\n', stderr);
    __builtin_trap();
}

void require(bool ok, const char* what, std::string_view text)
{
    if (!ok) {
        fail(what, text);
    }
}

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && isBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

// blanks [sign] (digits [. digits*] | . digits) [(e|E) [sign] digits] blanks
bool matchesGrammar(std::string_view text)
{
    const std::string_view s = trimmed(text);
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        ++i;
    }
    std::size_t mantissa = 0;
    while (i < s.size() && isDigit(s[i])) {
        ++i;
        ++mantissa;
    }
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++mantissa;
        }
    }
    if (mantissa == 0) {
        return false;
    }
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            ++i;
        }
        std::size_t exponent = 0;
        while (i < s.size() && isDigit(s[i])) {
            ++i;
            ++exponent;
        }
        if (exponent == 0) {
            return false;
        }
    }
    return i == s.size();
}

bool onlyNumberCharacters(std::string_view text)
{
    for (const char c : text) {
        if (!(isBlank(c) || isDigit(c) || c == '+' || c == '-' || c == '.' || c == 'e' || c == 'E')) {
            return false;
        }
    }
    return true;
}

// Same double, sign of zero included.
bool sameValue(std::optional<double> a, std::optional<double> b)
{
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return !a || (*a == *b && std::signbit(*a) == std::signbit(*b));
}

// Nearest whole number, a half going to the even neighbour, without the
// floating-point rounding mode.
double roundHalfEven(double v)
{
    const double below = std::floor(v);
    const double rest = v - below;  // exact for every finite double
    if (rest > 0.5 || (rest == 0.5 && std::fmod(below, 2.0) != 0.0)) {
        return below + 1.0;
    }
    return below;
}

// Exact comparison of a whole double with a 64-bit integer: -1, 0 or 1.
int compareWhole(double whole, std::int64_t n)
{
    constexpr double kTwo63 = 9223372036854775808.0;
    if (whole >= kTwo63) {
        return 1;
    }
    if (whole < -kTwo63) {
        return -1;
    }
    const auto w = static_cast<std::int64_t>(whole);
    return w < n ? -1 : (w > n ? 1 : 0);
}

// What roundedInRange must give for value and lo..hi.
std::optional<std::int64_t> expectedRounded(double value, std::int64_t lo, std::int64_t hi)
{
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    const double whole = roundHalfEven(value);
    if (compareWhole(whole, lo) < 0 || compareWhole(whole, hi) > 0) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(whole);
}

void checkRounded(double value, std::int64_t lo, std::int64_t hi, std::string_view text)
{
    const auto got = roundedInRange(value, lo, hi);
    const auto want = expectedRounded(value, lo, hi);
    require(got == want, "roundedInRange disagrees with round-half-even within lo..hi", text);
    if (got) {
        require(*got >= lo && *got <= hi, "roundedInRange result outside lo..hi", text);
        if (*got > -(std::int64_t{1} << 53) && *got < (std::int64_t{1} << 53)) {
            const auto back = parseNumber(digits(*got));
            require(back && *back == static_cast<double>(*got), "digits() does not read back", text);
        }
    }
}

constexpr std::int64_t kI32Min = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kI32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int64_t kI16Max = std::numeric_limits<std::int16_t>::max();
constexpr std::int64_t kI64Min = std::numeric_limits<std::int64_t>::min();
constexpr std::int64_t kI64Max = std::numeric_limits<std::int64_t>::max();

struct Bounds {
    std::int64_t lo;
    std::int64_t hi;
};

constexpr std::array<Bounds, 10> kBounds{{
    {kI32Min, kI32Max},  // time and problem limits
    {1, kI16Max},        // right and wrong repeats
    {0, kI16Max},        // answer seconds
    {0, kI32Max},        // answer clock period in ms
    {kI64Min, kI64Max},
    {0, 0},
    {-1, 1},
    {3, 2},  // empty range
    {-(std::int64_t{1} << 53), std::int64_t{1} << 53},
    {kI64Max - 1024, kI64Max},
}};

bool sameMemory(const SettingsMemory& a, const SettingsMemory& b)
{
    return a.timelimit == b.timelimit && a.numlimit == b.numlimit && a.retireat == b.retireat &&
           a.wrongrepeat == b.wrongrepeat && a.shockTime == b.shockTime;
}

// One read* function: how to call it, which field it remembers, the range
// of whole numbers it takes.
template <typename T>
struct WholeReader {
    const char* name;
    T (*read)(std::string_view, SettingsMemory&);
    T SettingsMemory::*field;
    std::int64_t lo;
    std::int64_t hi;
};

template <typename T>
void checkWholeReader(const WholeReader<T>& reader, std::string_view text, const std::optional<double>& number,
                      const SettingsMemory& before)
{
    SettingsMemory memory = before;
    const T got = reader.read(text, memory);
    require(got == memory.*reader.field, "read* returns a value other than the one in force", text);

    std::optional<std::int64_t> want;
    if (number) {
        want = expectedRounded(*number, reader.lo, reader.hi);
    }
    SettingsMemory expected = before;
    if (want) {
        expected.*reader.field = static_cast<T>(*want);
    }
    require(sameMemory(memory, expected), reader.name, text);
    require(got >= reader.lo && got <= reader.hi, "read* gives a value outside its documented range", text);

    // Blanks around the text change nothing.
    SettingsMemory padded = before;
    const std::string spaced = " \t" + std::string(text) + "  ";
    require(reader.read(spaced, padded) == got && sameMemory(padded, memory),
            "surrounding blanks change a settings reading", text);
}

void checkShockTime(std::string_view text, const std::optional<double>& number, const SettingsMemory& before)
{
    // Both readers take or refuse the same texts and remember one value.
    SettingsMemory memory = before;
    const std::int32_t got = readShockInterval(text, memory);
    SettingsMemory expected = before;
    const bool taken = number && expectedRounded(*number, 0, kI16Max);
    if (taken) {
        expected.shockTime = *number;
    }
    require(sameMemory(memory, expected), "readShockInterval: wrong memory after reading", text);
    SettingsMemory viaSeconds = before;
    const std::int16_t shown = readShockSeconds(text, viaSeconds);
    require(sameMemory(viaSeconds, expected), "readShockSeconds: wrong memory after reading", text);
    // Seconds 0..32767 rounded: the period lies in 1500..32769500 ms.
    require(got >= 1500 && got <= 32769500, "answer clock period outside 1500..32769500 ms", text);
    require(shown >= 0, "negative answer seconds", text);

    // The period is the seconds shown plus the two-second grace, give or
    // take the half second of rounding, also after a text is refused.
    const std::int64_t grace = std::int64_t{got} - 2000 - 1000 * std::int64_t{shown};
    require(grace >= -500 && grace <= 500, "answer period and answer seconds disagree", text);
    require(readShockSeconds("", memory) == shown, "the seconds in force differ from the ones just read", text);

    SettingsMemory padded = before;
    require(readShockInterval("\t " + std::string(text) + " \t", padded) == got && sameMemory(padded, memory),
            "surrounding blanks change the answer clock period", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(bytes), size);
    // Digits of the Arabic-script sets read as 0-9 do: the grammar is
    // checked on the text with them written as 0-9.
    const std::string ascii = asciiDigits(input);
    const std::string_view text(ascii);

    // ---- parseNumber ---------------------------------------------------
    const std::optional<double> number = parseNumber(input);
    const bool grammatical = matchesGrammar(text);
    if (number) {
        require(std::isfinite(*number), "parseNumber gives a value that is not finite", text);
        require(onlyNumberCharacters(text), "parseNumber accepts a character outside blanks/sign/digits/point/exponent",
                text);
        require(grammatical, "parseNumber accepts a text outside the number grammar", text);
    }
    if (grammatical) {
        // The C library reads the same grammar; it must agree on the value,
        // and a text it reads only with ERANGE is the one kind of number
        // that may be refused (beyond double's range).
        const std::string copy(trimmed(text));
        errno = 0;
        const double reference = std::strtod(copy.c_str(), nullptr);
        const bool outOfRange = errno == ERANGE;
        if (number) {
            require(sameValue(number, reference), "parseNumber disagrees with strtod", text);
        } else {
            require(outOfRange, "parseNumber refuses a well-formed number in double's range", text);
        }
    }

    // Blanks around the text never change the result; other white space is
    // not a blank.
    for (const char* pad : {" ", "\t", "  \t ", "\t\t"}) {
        require(sameValue(parseNumber(pad + std::string(text)), number), "a leading blank changes parseNumber", text);
        require(sameValue(parseNumber(std::string(text) + pad), number), "a trailing blank changes parseNumber", text);
        require(sameValue(parseNumber(pad + std::string(text) + pad), number), "surrounding blanks change parseNumber",
                text);
    }
    require(!parseNumber("\n" + std::string(text)), "parseNumber takes a newline for a blank", text);
    require(!parseNumber(std::string(text) + '\0'), "parseNumber ignores a trailing NUL", text);

    // ---- roundedInRange --------------------------------------------------
    if (number) {
        for (const Bounds& b : kBounds) {
            checkRounded(*number, b.lo, b.hi, text);
        }
    }
    // The first bytes also as a raw double and a pair of bounds: NaN,
    // infinities and values near the ends of the 64-bit range.
    if (size >= sizeof(double)) {
        double raw = 0.0;
        std::memcpy(&raw, bytes, sizeof raw);
        for (const Bounds& b : kBounds) {
            checkRounded(raw, b.lo, b.hi, text);
        }
        if (size >= sizeof(double) + 2 * sizeof(std::int64_t)) {
            Bounds b{};
            std::memcpy(&b.lo, bytes + sizeof(double), sizeof b.lo);
            std::memcpy(&b.hi, bytes + sizeof(double) + sizeof b.lo, sizeof b.hi);
            checkRounded(raw, b.lo, b.hi, text);
            if (number) {
                checkRounded(*number, b.lo, b.hi, text);
            }
        }
    }

    // ---- the read* functions ----------------------------------------------
    // From the start-up memory and from one holding other values in force,
    // so that a failed read is seen to leave them alone.
    SettingsMemory other;
    other.timelimit = -7;
    other.numlimit = 123457;
    other.retireat = 32767;
    other.wrongrepeat = 1;
    other.shockTime = -0.4;
    for (const SettingsMemory& before : {SettingsMemory{}, other}) {
        checkWholeReader(WholeReader<std::int32_t>{"readTimeLimit: wrong memory after reading", readTimeLimit,
                                                   &SettingsMemory::timelimit, kI32Min, kI32Max},
                         text, number, before);
        checkWholeReader(WholeReader<std::int32_t>{"readNumLimit: wrong memory after reading", readNumLimit,
                                                   &SettingsMemory::numlimit, kI32Min, kI32Max},
                         text, number, before);
        checkWholeReader(WholeReader<std::int16_t>{"readRetireAt: wrong memory after reading", readRetireAt,
                                                   &SettingsMemory::retireat, 1, kI16Max},
                         text, number, before);
        checkWholeReader(WholeReader<std::int16_t>{"readWrongRepeat: wrong memory after reading", readWrongRepeat,
                                                   &SettingsMemory::wrongrepeat, 1, kI16Max},
                         text, number, before);
        checkShockTime(text, number, before);
    }
    return 0;
}
