// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Numbers in the digits a pupil's school writes, and problems kept left to
// right for languages written from right to left: what is written, what is
// read back from a settings box or the keyboard.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "engine/fact_text.h"
#include "engine/number_text.h"
#include "engine/settings.h"
#include "ui/popup/model/tpop.h"

using namespace korvane;

namespace {

constexpr char32_t kPersian = U'\u06F0';
constexpr char32_t kArabic = U'\u0660';
constexpr char32_t kBengali = U'\u09E6';

// Every test leaves the core writing 0-9 with no marks, as it starts.
class SchoolDigits : public ::testing::Test {
protected:
    void TearDown() override
    {
        useZeroDigit(U'0');
        markLeftToRight(false);
    }
};

struct Written {
    char32_t zero;
    long long value;
    const char* text;
};

class WrittenDigits : public SchoolDigits, public ::testing::WithParamInterface<Written> {};

TEST_P(WrittenDigits, CountsAreWrittenInTheSchoolsDigits)
{
    useZeroDigit(GetParam().zero);
    EXPECT_EQ(digits(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Rows, WrittenDigits,
                         ::testing::Values(Written{U'0', 120, "120"}, Written{U'0', -7, "-7"},
                                           Written{kPersian, 120, "۱۲۰"}, Written{kPersian, -7, "-۷"},
                                           Written{kArabic, 39, "٣٩"}, Written{kBengali, 5, "৫"},
                                           // Not the zero of a digit set: 0-9 stay.
                                           Written{U'A', 12, "12"}, Written{U'\u06F5', 12, "12"}));

struct Read {
    char32_t zero;
    const char* text;
    std::optional<double> value;
};

class ReadDigits : public SchoolDigits, public ::testing::WithParamInterface<Read> {};

TEST_P(ReadDigits, SettingsTextsReadEitherDigits)
{
    useZeroDigit(GetParam().zero);
    EXPECT_EQ(parseNumber(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Rows, ReadDigits,
                         ::testing::Values(Read{kPersian, "۵", 5.0}, Read{kPersian, " ۱۲.۵ ", 12.5},
                                           Read{kPersian, "12", 12.0}, Read{kPersian, "1۲", 12.0},
                                           // A keyboard of the region may give either Arabic-script set.
                                           Read{U'0', "٥", 5.0}, Read{U'0', "۷", 7.0}, Read{kBengali, "১০", 10.0},
                                           Read{U'0', "১০", std::nullopt}, Read{kPersian, "۵x", std::nullopt},
                                           Read{kPersian, "-", std::nullopt}, Read{kPersian, "\xD9", std::nullopt}));

TEST_F(SchoolDigits, ASettingsBoxReadsPersianDigits)
{
    SettingsMemory memory;
    EXPECT_EQ(readRetireAt("۵", memory), 5);
    EXPECT_EQ(readTimeLimit("۱۰", memory), 10);
    EXPECT_EQ(readRetireAt("۰", memory), 5) << "below one stays unusable in any digits";
}

TEST_F(SchoolDigits, ProblemsAndOptionCaptionsAreMarkedOnlyForRightToLeft)
{
    Fact fact;
    fact.num1 = 7;
    fact.num2 = 5;
    fact.answer = 12;
    EXPECT_EQ(answerLine(1, fact), "7 + 5 = 12");
    EXPECT_EQ(operationCaption(3), "( x )");

    useZeroDigit(kArabic);
    markLeftToRight(true);
    EXPECT_EQ(answerLine(1, fact), "\u202D٧ + ٥ = ١٢\u202C");
    EXPECT_EQ(operationCaption(3), "\u202D( x )\u202C");
    EXPECT_EQ(factText(2, fact), "٧ - ٥") << "spoken as it is, without marks";
}

}  // namespace
