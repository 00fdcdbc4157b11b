// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Reading the settings texts (Getpref): defaults, list items, rounding,
// unusable texts and limits of 0 or less.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "draws.h"
#include "engine/number_text.h"
#include "rig.h"

using namespace korvane;
using korvane::testing::buildTable;
using korvane::testing::kAllNumbers;
using korvane::testing::Rig;

namespace {

// One settings field: its combo box, its start-up value and the value in
// force (for the answer time, its seconds as generate loads them).
struct Field {
    const char* name;
    ComboBox Tallyquip::*combo;
    std::int64_t startUp;
    std::int64_t (*value)(const Data&);
};
const Field MaxTime{"maxtime", &Tallyquip::maxtime, 5, [](const Data& d) -> std::int64_t { return d.timelimit; }};
const Field MaxNum{"MaxNum", &Tallyquip::MaxNum, 40, [](const Data& d) -> std::int64_t { return d.numlimit; }};
const Field NumRepeat{"NumRepeat", &Tallyquip::NumRepeat, 3, [](const Data& d) -> std::int64_t { return d.retireat; }};
const Field WrongNum{"wrongnum", &Tallyquip::wrongnum, 5, [](const Data& d) -> std::int64_t { return d.wrongrepeat; }};
const Field Shock{"ShockTime", &Tallyquip::ShockTime, 5, [](const Data& d) -> std::int64_t { return d.shockleft; }};
const Field* const kFields[] = {&MaxTime, &MaxNum, &NumRepeat, &WrongNum, &Shock};

// A drill with a table, so that generate can load shockleft.
struct Reader {
    Rig r{true};
    Reader() { buildTable(*r, 1, kAllNumbers, false); }

    // Types the text, reads the settings, shows a problem and returns the
    // value in force.
    std::int64_t read(const Field& f, const std::string& text)
    {
        ComboBox& combo = (*r).*f.combo;
        combo.typeText(text);
        r->Getpref();
        r->generate();
        EXPECT_EQ(combo.Text(), text) << "typed text stays as typed";
        return f.value(r.data);
    }
    int period() { return r->Timershock.Interval(); }
};

std::string trimmed(const std::string& s)
{
    const auto first = s.find_first_not_of(' ');
    return first == std::string::npos ? "" : s.substr(first, s.find_last_not_of(' ') - first + 1);
}

TEST(Getpref, EveryListItemReadsAsItsNumberAndBlankItemsKeepTheLastValue)
{
    for (const Field* field : kFields) {
        const Field& f = *field;
        Reader reader;
        std::int64_t last = f.startUp;
        const auto items = ((*reader.r).*f.combo).items();
        ASSERT_FALSE(items.empty()) << f.name;
        for (const std::string& item : items) {
            const std::string digits = trimmed(item);
            const std::int64_t want = digits.empty() ? last : std::stoll(digits);
            EXPECT_EQ(reader.read(f, item), want) << f.name << " item \"" << item << "\"";
            if (&f == &Shock) {  // "   1" gives 3000 ms, "  10" 12000 ms
                EXPECT_EQ(reader.period(), want * 1000 + 2000) << "item \"" << item << "\"";
            }
            last = want;
        }
    }
}

struct TextCase {
    const Field& field;
    const char* text;
    std::int64_t value;
};

TEST(Getpref, FractionsRoundToTheNearestAHalfToTheEvenNeighbour)
{
    const std::vector<TextCase> rows{
        {MaxTime, "2.5", 2},   {MaxTime, "3.5", 4},  {MaxTime, " 2.51 ", 3},   {MaxTime, "0.5", 0},
        {MaxNum, "-2.5", -2},  {MaxNum, "1.5", 2},   {MaxNum, "4.4999", 4},    {NumRepeat, "2.5", 2},
        {NumRepeat, "3.5", 4}, {WrongNum, "6.5", 6}, {WrongNum, "  7.5  ", 8}, {Shock, "2.5", 2},
        {Shock, "3.5", 4},     {Shock, "1.5", 2},
    };
    for (const TextCase& row : rows) {
        Reader reader;
        EXPECT_EQ(reader.read(row.field, row.text), row.value) << row.field.name << " \"" << row.text << "\"";
        if (&row.field == &Shock) {
            // The period comes from the seconds as typed, not from the rounded seconds.
            EXPECT_EQ(reader.period(), std::stod(row.text) * 1000 + 2000) << row.text;
        }
    }
}

TEST(Getpref, ValuesAtTheEdgeOfTheirVariablesAreUsed)
{
    const std::vector<TextCase> rows{
        {NumRepeat, "32767", 32767},
        {WrongNum, "32767.4", 32767},
        {WrongNum, "1", 1},
        {MaxNum, "2147483647", 2147483647},
        {MaxTime, "-2147483648", -2147483648LL},
        {MaxNum, "0", 0},
        {MaxTime, "-3", -3},
        {Shock, "0", 0},
        {Shock, "32767", 32767},
        {MaxNum, "+12", 12},
    };
    for (const TextCase& row : rows) {
        Reader reader;
        EXPECT_EQ(reader.read(row.field, row.text), row.value) << row.field.name << " \"" << row.text << "\"";
        if (&row.field == &Shock) {
            EXPECT_EQ(reader.period(), row.value * 1000 + 2000) << row.text;
        }
    }
}

// The digits of the pupil's school, and either Arabic-script set, which
// keyboards of the region type, read as 0-9 do; the school's are written.
TEST(Getpref, SchoolDigitsReadAsTheirNumbers)
{
    useZeroDigit(U'\u09E6');  // Bengali
    const std::vector<TextCase> rows{{NumRepeat, "۵", 5}, {WrongNum, "٥", 5}, {MaxTime, " ۱۲.۵ ", 12},
                                     {MaxNum, "1۲", 12},  {MaxNum, "১০", 10}, {MaxNum, "۵x", 40}};
    for (const TextCase& row : rows) {
        EXPECT_EQ(Reader().read(row.field, row.text), row.value) << row.field.name << " \"" << row.text << "\"";
    }
    EXPECT_EQ(digits(-120), "-১২০");
    useZeroDigit(U'\u06F5');  // a five: no zero, so 0-9 are written
    EXPECT_EQ(digits(12), "12");
    EXPECT_EQ(parseNumber("১০"), std::nullopt);
}

// A text that is no usable number leaves the last good value in force;
// before any good reading, the start-up value.
TEST(Getpref, UnusableTextsKeepTheLastValueRead)
{
    const std::vector<std::string> everywhere{"abc", "",     "   ", " ",   "1e999", "inf",
                                              "nan", "0x10", "5 5", "--5", "5abc"};
    const std::vector<std::string> sixteenBit{"70000", "32768", "32767.5", "0", "-3", "0.4"};
    const std::vector<std::string> thirtyTwoBit{"99999999999", "2147483648", "2147483647.5", "-2147483649"};
    const std::vector<std::string> answerTime{"-1", "-0.6", "32768", "40000"};

    for (const Field* field : kFields) {
        const Field& f = *field;
        std::vector<std::string> bad = everywhere;
        const bool sixteen = &f == &NumRepeat || &f == &WrongNum;
        const auto& extra = sixteen ? sixteenBit : &f == &Shock ? answerTime : thirtyTwoBit;
        bad.insert(bad.end(), extra.begin(), extra.end());
        for (const std::string& text : bad) {
            SCOPED_TRACE(std::string(f.name) + " \"" + text + "\"");
            Reader reader;
            EXPECT_EQ(reader.read(f, text), f.startUp);
            const int startPeriod = reader.period();
            EXPECT_EQ(reader.read(f, "   8"), 8);
            EXPECT_EQ(reader.read(f, text), 8);
            if (&f == &Shock) {
                EXPECT_EQ(startPeriod, 7000);
                EXPECT_EQ(reader.period(), 10000);
            }
        }
    }
}

// With the matching end mode, a limit of 0 or less ends the run at its
// first booking.
struct LimitCase {
    int endOption;  // setp index: 0 Time, 1 Number, 3 Less
    const char* maxtime;
    const char* maxnum;
};

void PrintTo(const LimitCase& c, std::ostream* os)
{
    *os << "setp(" << c.endOption << ") \"" << c.maxtime << "\" \"" << c.maxnum << "\"";
}

class LimitNotAboveZero : public ::testing::TestWithParam<LimitCase> {};

TEST_P(LimitNotAboveZero, EndsTheRunAtTheFirstBooking)
{
    const LimitCase& c = GetParam();
    Rig r(true);
    r->setp(c.endOption).click();
    r->maxtime.typeText(c.maxtime);
    r->MaxNum.typeText(c.maxnum);
    r->Start.click();
    ASSERT_TRUE(r->keeptime.Enabled());  // nothing ends before a booking
    EXPECT_EQ(r.data.timelimit, std::stoll(c.maxtime));
    EXPECT_EQ(r.data.numlimit, std::stoll(c.maxnum));
    r.rightButton().click();
    EXPECT_EQ(r.data.totalprobs, 1);
    for (Timer* t : r->timers()) {
        EXPECT_FALSE(t->Enabled()) << t->name();
    }
    EXPECT_TRUE(r->ck(0).Enabled());
}

INSTANTIATE_TEST_SUITE_P(Limits, LimitNotAboveZero,
                         ::testing::Values(LimitCase{1, "   5", "0"}, LimitCase{1, "   5", "-3"},
                                           LimitCase{0, "0", "  40"}, LimitCase{0, "-3", "  40"},
                                           LimitCase{3, "   5", "0"}));

}  // namespace
