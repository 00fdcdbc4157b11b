// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

// Answers typed as numbers: where the focus goes, which answer is pressed,
// when the digits typed are forgotten, and when typing does nothing.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "run_helpers.h"

using namespace korvane;
using namespace korvane::testing;

namespace {

enum class Booked { kNothing, kRight, kMiss };

// A run on its first problem with these numbers on the answer buttons, the
// right one in `slot` (1..3); every focus the typing asks for is recorded.
struct Typing {
    explicit Typing(const std::array<const char*, 3>& numbers, int slot)
    {
        r->Start.click();
        for (int i = 0; i < 3; ++i) {
            r->but(i).setCaption(numbers.at(static_cast<std::size_t>(i)));
        }
        r.data.rightslot = static_cast<std::int16_t>(slot);
        r->typed.onFocus = [this](int i) { focus.push_back(i); };
    }
    // Digits are typed; '-' is Backspace or Escape; 'w' waits 1.5 s and
    // 'v' a millisecond less.
    void keys(const std::string& keys)
    {
        for (char key : keys) {
            if (key == '-') {
                r->typed.forget();
            } else if (key == 'w' || key == 'v') {
                r.clock.advance(key == 'w' ? 1500 : 1499);
            } else {
                EXPECT_TRUE(r->typed.type(key)) << key;
            }
        }
    }
    Booked booked() const
    {
        if (r.data.totalprobs == 0) {
            return Booked::kNothing;
        }
        return r.data.totalright == 1 ? Booked::kRight : Booked::kMiss;
    }
    int lastFocus() const { return focus.empty() ? -1 : focus.back(); }

    mutable Rig r{true};
    std::vector<int> focus;
};

struct TypedCase {
    const char* name;
    std::array<const char*, 3> numbers;
    int slot;
    const char* keys;
    int focus;  // the answer last given the focus, -1 for none
    Booked booked;
    const char* left;  // the digits still typed afterwards
    friend void PrintTo(const TypedCase& c, std::ostream* os) { *os << c.name; }
};

class TypedAnswerRule : public ::testing::TestWithParam<TypedCase> {};

TEST_P(TypedAnswerRule, FocusesPressesOrIgnores)
{
    const TypedCase& c = GetParam();
    Typing t(c.numbers, c.slot);
    t.keys(c.keys);
    EXPECT_EQ(t.lastFocus(), c.focus);
    EXPECT_EQ(t.booked(), c.booked);
    EXPECT_EQ(t.r->typed.typed(), c.left);
    EXPECT_EQ(t.r.data.totalprobs, c.booked == Booked::kNothing ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, TypedAnswerRule,
    ::testing::Values(
        TypedCase{"FirstDigitFocusesTheLeftmostBeginningWithIt", {"7", "12", "15"}, 2, "1", 1, Booked::kNothing, "1"},
        TypedCase{"OneDigitAnswerIsPressedAtOnce", {"3", "8", "6"}, 2, "8", 1, Booked::kRight, ""},
        TypedCase{"TwoDigitAnswerIsPressedOnItsSecondDigit", {"7", "12", "15"}, 3, "15", 2, Booked::kRight, ""},
        TypedCase{"AnAnswerThatOthersBeginWithWaits", {"1", "12", "15"}, 1, "1", 0, Booked::kNothing, "1"},
        TypedCase{"ItIsPressedByNoDigitAfterIt", {"1", "12", "15"}, 1, "12", 1, Booked::kMiss, ""},
        TypedCase{
            "AnEqualAnswerTakesTheFocusBeforeALongerOneLeftOfIt", {"12", "1", "15"}, 2, "1", 1, Booked::kNothing, "1"},
        TypedCase{"TwoWrongAnswersWithOneNumberBookTheMiss", {"9", "4", "9"}, 2, "9", 0, Booked::kMiss, ""},
        TypedCase{"TwoWrongTwoDigitAnswersWithOneNumber", {"14", "14", "41"}, 3, "14", 0, Booked::kMiss, ""},
        TypedCase{"ZeroIsAnAnswerLikeAnyOther", {"0", "10", "4"}, 1, "0", 0, Booked::kRight, ""},
        TypedCase{"ADigitThatBeginsNoAnswerIsIgnored", {"3", "5", "7"}, 1, "4", -1, Booked::kNothing, ""},
        TypedCase{"ADigitThatContinuesNoAnswerKeepsWhatWasTyped", {"12", "5", "7"}, 2, "19", 0, Booked::kNothing, "1"},
        TypedCase{"AfterAnIgnoredDigitTheNextOneStillCounts", {"12", "5", "7"}, 2, "192", 0, Booked::kMiss, ""},
        TypedCase{"BackspaceForgetsTheDigitsTyped", {"12", "5", "15"}, 2, "1-5", 1, Booked::kRight, ""},
        TypedCase{"TheDigitsAreForgottenAfterAPause", {"12", "5", "15"}, 2, "1w5", 1, Booked::kRight, ""},
        TypedCase{"AShorterPauseKeepsThem", {"12", "5", "15"}, 2, "1v5", 2, Booked::kMiss, ""},
        TypedCase{"EachDigitStartsThePauseAfresh", {"123", "5", "7"}, 2, "1v2v3", 0, Booked::kMiss, ""},
        TypedCase{"AnIgnoredDigitDoesNotStartItAfresh", {"12", "5", "7"}, 2, "1v9v", 0, Booked::kNothing, ""},
        TypedCase{"PersianDigitsOnTheButtons", {"۷", "۱۲", "۱۵"}, 2, "12", 1, Booked::kRight, ""},
        TypedCase{"ArabicDigitsOnTheButtons", {"٧", "١٢", "١٥"}, 2, "15", 2, Booked::kMiss, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TypedAnswer, ArrowsStepBetweenTheAnswersWrappingRound)
{
    Typing t({"3", "8", "6"}, 1);
    for (const auto& [from, step, to] :
         {std::array{0, 1, 1}, std::array{2, 1, 0}, std::array{0, -1, 2}, std::array{1, -1, 0}, std::array{1, 4, 2}}) {
        EXPECT_TRUE(t.r->typed.step(from, step));
        EXPECT_EQ(t.lastFocus(), to) << from << " by " << step;
    }
    const std::size_t asked = t.focus.size();
    EXPECT_FALSE(t.r->typed.step(3, 1));
    EXPECT_FALSE(t.r->typed.step(-1, 1));
    EXPECT_EQ(t.focus.size(), asked);
    EXPECT_EQ(t.r.data.totalprobs, 0);
}

TEST(TypedAnswer, DigitsTypedForOneProblemAreForgottenWithIt)
{
    Typing t({"12", "5", "7"}, 2);
    t.keys("1");
    t.r->but(0).click();  // the mouse answers meanwhile: a miss
    ASSERT_EQ(t.r.data.totalprobs, 1);
    t.r->but(0).setCaption("2");
    t.r->but(1).setCaption("12");
    t.r->but(2).setCaption("9");
    t.r.data.rightslot = 1;
    t.keys("2");  // "2" on its own, not "12"
    EXPECT_EQ(t.r.data.totalright, 1);
    EXPECT_EQ(t.r.data.totalprobs, 2);
}

// No run, a paused run, a time-out's modal wait, a run that has ended: no
// digit does anything and nothing asks for the focus.
TEST(TypedAnswer, DoesNothingWhileNoProblemTakesAnAnswer)
{
    Rig r(true);
    std::vector<int> focus;
    r->typed.onFocus = [&](int i) { focus.push_back(i); };
    const auto nothingTyped = [&](const char* when) {
        SCOPED_TRACE(when);
        const std::int16_t booked = r.data.totalprobs;
        for (char digit = '0'; digit <= '9'; ++digit) {
            EXPECT_FALSE(r->typed.type(digit));
        }
        EXPECT_FALSE(r->typed.step(0, 1));
        EXPECT_FALSE(r->typed.active());
        EXPECT_EQ(r.data.totalprobs, booked);
        EXPECT_EQ(r->typed.typed(), "");
        EXPECT_FALSE(r->typed.forgetClock.Enabled());
        EXPECT_TRUE(focus.empty());
    };
    nothingTyped("before Start");

    r->Start.click();
    r->but(0).setCaption("12");
    EXPECT_TRUE(r->typed.type('1'));
    EXPECT_EQ(focus, std::vector<int>{0});
    focus.clear();
    r->Stop.click();
    nothingTyped("paused");

    r->Start.click();
    int waits = 0;
    r.tpopView.duringModal = [&] {
        ++waits;
        nothingTyped("during the time-out's wait");
        r.tpop.kill.click();
    };
    r.clock.advance(7000);
    ASSERT_EQ(waits, 1);
    ASSERT_EQ(r.data.totalprobs, 1);

    r->Stop.click();
    r->MaxNum.typeText("1");  // Number: the run ends at the next booking
    r->Start.click();
    r.rightButton().click();
    ASSERT_FALSE(r->keeptime.Enabled());
    nothingTyped("after the run ended");
}

}  // namespace
