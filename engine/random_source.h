// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the drill's random draws come from. The program uses a seeded
// generator; tests hand in a script of values (tests/support/scripted_random.h).

#include <cstdint>
#include <random>

namespace korvane {

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A uniform value meant to lie in [0, 1); callers still guard it.
    virtual double next() = 0;
    // Called once at start-up so each start draws a different sequence.
    virtual void seedFromClock() = 0;
};

class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed = 1) : engine_(seed) {}
    double next() override;
    void seedFromClock() override;
    void seed(std::uint64_t seed) { engine_.seed(seed); }

private:
    std::mt19937_64 engine_;
};

// rnd(): the source's value forced into [0, 1). Some generators can round
// up to exactly 1.0, which would make floor(rnd() * 10) a ten.
double clampUnit(double value);

}  // namespace korvane
