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
    std::int16_t optype = 0;  // 1 addition, 2 subtraction, 3 multiplication
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
    std::int16_t endmode = 0;
    std::int16_t totalright = 0;
    std::int16_t retireat = 0;
    Array1<std::int16_t, kMaxFacts> pool;
    std::int16_t poolcount = 0;
};

}  // namespace korvane
