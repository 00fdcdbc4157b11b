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
    std::int16_t num1 = 0;
    std::int16_t num2 = 0;
    std::int16_t answer = 0;
    std::int16_t review = 0;  // -1 while not under review, else presentations still to come
    std::int16_t timesright = 0;
    std::int16_t timeswrong = 0;
};

// Everything starts at 0; the fact table is meaningful only once preptable
// has built it.
struct Data {
    std::int16_t optype = 0;  // optype::kAddition .. kMultiplication
    std::int16_t totalprobs = 0;
    std::int16_t shockleft = 0;
    std::int16_t reviewgap = 0;
    std::int16_t stackcount = 0;
    Array1<std::int16_t, kMaxFacts> reviewstack;
    std::int16_t wrongrepeat = 0;
    std::int16_t lastright = 0;
    std::int16_t started = 0;
    std::int16_t curfact = 0;
    Array1<std::int16_t, 3> choices;
    std::int16_t rightslot = 0;
    std::int16_t pickslot = 0;
    std::int16_t plusten = 0;
    Array1<std::int16_t, 11> numsel;
    Array1<Fact, kMaxFacts> facts;
    std::int32_t elapsed = 0;
    std::int32_t timelimit = 0;
    std::int32_t numlimit = 0;
    std::int16_t endmode = 0;  // endmode::kTimeReached .. kEitherReached
    std::int16_t totalright = 0;
    std::int16_t retireat = 0;
    Array1<std::int16_t, kMaxFacts> pool;
    std::int16_t poolcount = 0;
};

}  // namespace korvane
