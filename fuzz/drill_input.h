// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The fuzz input of drill_actions_fuzz: a pupil's actions and the drill's
// random draws.
//
// Layout. The first two bytes (big-endian) give the length L of the action
// part that follows them; the bytes after it are the drill's random draws,
// two bytes a draw. An action is one opcode byte (taken modulo the number
// of actions) and its operand bytes; a missing operand byte reads 0. Once
// the draws run out every draw is 0.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "engine/random_source.h"

namespace korvane::fuzz {

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
    {
        const std::size_t header = size >= 2 ? std::size_t{data[0]} << 8 | data[1] : 0;
        const std::size_t rest = size >= 2 ? size - 2 : 0;
        const std::size_t length = std::min(header, rest);
        actions_ = data + (size >= 2 ? 2 : size);
        actionsEnd_ = actions_ + length;
        draws_ = actionsEnd_;
        drawsEnd_ = actions_ + rest;
    }
    bool exhausted() const { return actions_ == actionsEnd_; }
    std::uint8_t byte() { return actions_ != actionsEnd_ ? *actions_++ : 0; }
    std::uint16_t word()
    {
        const std::uint16_t hi = byte();
        return static_cast<std::uint16_t>(hi << 8 | byte());
    }
    std::string text(std::size_t n)
    {
        std::string s;
        while (n-- > 0 && actions_ != actionsEnd_) {
            s.push_back(static_cast<char>(*actions_++));
        }
        return s;
    }
    // The next draw, or nothing once they have run out.
    std::optional<std::uint16_t> draw()
    {
        if (drawsEnd_ - draws_ < 2) {
            return std::nullopt;
        }
        const auto w = static_cast<std::uint16_t>(draws_[0] << 8 | draws_[1]);
        draws_ += 2;
        return w;
    }

private:
    const std::uint8_t* actions_;
    const std::uint8_t* actionsEnd_;
    const std::uint8_t* draws_;
    const std::uint8_t* drawsEnd_;
};

// Random draws from the fuzz input: mostly values spread over [0, 1), and
// now and then a value a generator should not give (1, negative, NaN, ...),
// which the drill must guard against itself.
class FuzzRandom final : public RandomSource {
public:
    explicit FuzzRandom(Input& input) : input_(input) {}
    double next() override
    {
        const auto w = input_.draw();
        if (!w) {
            return 0.0;
        }
        if (*w >= 0xFFF0) {
            static const std::array<double, 16> odd{1.0,
                                                    std::nextafter(1.0, 0.0),
                                                    -0.0,
                                                    -1e-300,
                                                    std::numeric_limits<double>::quiet_NaN(),
                                                    std::numeric_limits<double>::infinity(),
                                                    -std::numeric_limits<double>::infinity(),
                                                    2.0,
                                                    0.5,
                                                    std::numeric_limits<double>::denorm_min(),
                                                    0.1,
                                                    0.2,
                                                    0.3,
                                                    0.9,
                                                    0.95,
                                                    -1.0};
            return odd[*w & 0xF];
        }
        return *w / 65520.0;
    }
    void seedFromClock() override {}

private:
    Input& input_;
};

}  // namespace korvane::fuzz
