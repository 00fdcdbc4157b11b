// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The drill's random draws played back from a script, for tests and
// benchmarks that must know every draw in advance.

#include <cstddef>
#include <deque>
#include <initializer_list>

#include "engine/random_source.h"

namespace korvane {

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

}  // namespace korvane
