// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Where the drill's random draws come from. The program uses a seeded
// generator; tests hand in a script of values.

#include <cstdint>
#include <deque>
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

// Plays back the given values in order; once they run out it keeps
// returning 0. Seeding does nothing, so a test's script stays in force.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::initializer_list<double> values) : values_(values) {}
    void push(double value) { values_.push_back(value); }
    void pushDigits(std::initializer_list<int> digitsToDraw);
    double next() override;
    void seedFromClock() override {}
    std::size_t remaining() const { return values_.size(); }
    std::size_t drawn() const { return drawn_; }

private:
    std::deque<double> values_;
    std::size_t drawn_ = 0;
};

// rnd(): the source's value forced into [0, 1). Some generators can round
// up to exactly 1.0, which would make floor(rnd() * 10) a ten.
double clampUnit(double value);

}  // namespace korvane
