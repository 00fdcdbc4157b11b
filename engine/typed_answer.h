// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Answers chosen from the keyboard while a problem is shown: the pupil types
// the number on an answer button, or steps between the three buttons.
//
// The digits typed so far move the focus to the answer whose number begins
// with them (an answer that equals them first, else the leftmost), and press
// it once no answer with another number could still follow. A digit that
// begins no answer is ignored. What was typed is forgotten on request
// (Backspace, Escape), after a pause, and when the next problem comes.
// The view moves the keyboard focus when asked; pressing goes through the
// answer button itself, so a button that takes no input presses nothing.

#include <cstdint>
#include <functional>
#include <string>

#include "controls.h"

namespace korvane {

struct Data;

class TypedAnswer {
public:
    static constexpr int kAnswers = 3;
    static constexpr int kForgetAfterMs = 1500;

    // `problemClock` starts afresh with each problem shown.
    TypedAnswer(const ControlWindow& window, ControlArray<CommandButton, kAnswers>& answers, const Data& data,
                const Timer& problemClock);
    TypedAnswer(const TypedAnswer&) = delete;
    TypedAnswer& operator=(const TypedAnswer&) = delete;

    // True while a problem is shown and its answer buttons take input: a
    // run is going, not paused, and no modal popup holds the window.
    bool active() const;
    // One digit, '0' to '9'. False (nothing done) while not active; any
    // other character is ignored.
    bool type(char digit);
    // Forgets what was typed.
    void forget();
    // The answer `step` places right of `from` (left when negative),
    // wrapping round the three; the focus is asked to move there. False
    // while not active or when `from` is no answer.
    bool step(int from, int step);

    const std::string& typed() const { return typed_; }

    // Runs while something typed waits; its tick forgets it.
    Timer forgetClock{"typedAnswer", kForgetAfterMs};
    // Asked to move the keyboard focus to answer i (0 to 2).
    std::function<void(int)> onFocus;

private:
    std::string numberOn(int i) const;
    void focus(int i) const;

    const ControlWindow& window_;
    ControlArray<CommandButton, kAnswers>& answers_;
    const Data& data_;
    const Timer& problemClock_;
    std::uint64_t problem_ = 0;
    std::string typed_;
};

}  // namespace korvane
