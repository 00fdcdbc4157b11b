// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The shared drill state: one record for the life of the program, read and
// written by the main window, the popup and the results window.

#include <cstdint>

#include "fixed_array.h"

namespace korvane {

constexpr int kMaxFacts = 200;

// Values of Data::optype, the operation drilled: the option chosen in
// Option1, counted from 1; 0 until the settings are first read.
namespace optype {
inline constexpr std::int16_t kAddition = 1;
inline constexpr std::int16_t kSubtraction = 2;
inline constexpr std::int16_t kMultiplication = 3;
}  // namespace optype

// Values of Data::endmode, when a run ends: the option chosen in setp
// ("Time", "Number", "More", "Less"), counted from 1.
namespace endmode {
inline constexpr std::int16_t kTimeReached = 1;    // the time limit is reached
inline constexpr std::int16_t kCountReached = 2;   // the number of problems is reached
inline constexpr std::int16_t kBothReached = 3;    // both are reached: the longer run
inline constexpr std::int16_t kEitherReached = 4;  // either is reached: the shorter run
}  // namespace endmode

struct Fact {
    std::int16_t num1 = 0;        // first number of the problem, 1..20
    std::int16_t num2 = 0;        // second number, 1..20
    std::int16_t answer = 0;      // the right answer: num1 + num2, num1 - num2 or num1 x num2
    std::int16_t review = 0;      // -1 while not under review, else presentations still to come
    std::int16_t timesright = 0;  // right answers to this fact this run
    std::int16_t timeswrong = 0;  // wrong answers and time-outs this run
};

// Everything starts at 0; the fact table is meaningful only once preptable
// has built it.
struct Data {
    std::int16_t optype = 0;                      // optype::kAddition .. kMultiplication
    std::int16_t totalprobs = 0;                  // problems booked this run
    std::int16_t shockleft = 0;                   // the number the countdown shows next; -1 once it has run out
    std::int16_t reviewgap = 0;                   // pool draws still to come before the next review, 0..5
    std::int16_t stackcount = 0;                  // facts on the review stack, 0..200
    Array1<std::int16_t, kMaxFacts> reviewstack;  // missed facts by index, the next review first
    std::int16_t wrongrepeat = 0;                 // presentations a missed fact gets (wrongnum)
    std::int16_t lastright = 0;                   // 1 between a right answer and its booking, else 0
    std::int16_t started = 0;                     // 1 once a run has started and until Reset, else 0
    std::int16_t curfact = 0;                     // index of the fact on the screen
    Array1<std::int16_t, 3> choices;              // the three answers, choices(k) on but(k - 1)
    std::int16_t rightslot = 0;                   // which of choices(1..3) is right
    std::int16_t pickslot = 0;                    // the pool place the current fact was drawn from
    std::int16_t plusten = 0;                     // 10 when +10 is ticked: the other number then runs to 20, else 0
    Array1<std::int16_t, 11> numsel;              // 1 where ck(i - 1) is ticked; numsel(11) is +10
    Array1<Fact, kMaxFacts> facts;                // the fact table preptable builds
    std::int32_t elapsed = 0;                     // whole minutes the run has lasted
    std::int32_t timelimit = 0;                   // minutes a run lasts (maxtime)
    std::int32_t numlimit = 0;                    // problems a run has (MaxNum)
    std::int16_t endmode = 0;                     // endmode::kTimeReached .. kEitherReached
    std::int16_t totalright = 0;                  // right answers this run
    std::int16_t retireat = 0;                    // right answers that take a fact out of play (NumRepeat)
    Array1<std::int16_t, kMaxFacts> pool;         // indexes of the facts still in play
    std::int16_t poolcount = 0;                   // facts in play, 0..200
};

}  // namespace korvane
