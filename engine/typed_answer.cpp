// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "typed_answer.h"

#include <algorithm>
#include <vector>

#include "data.h"
#include "number_text.h"

namespace korvane {

TypedAnswer::TypedAnswer(const ControlWindow& window, ControlArray<CommandButton, kAnswers>& answers, const Data& data,
                         const Timer& problemClock)
    : window_(window), answers_(answers), data_(data), problemClock_(problemClock)
{
    forgetClock.onTimer = [this] { forget(); };
}

bool TypedAnswer::active() const
{
    if (data_.started == 0 || window_.inputBlocked()) {
        return false;
    }
    for (int i = 0; i < kAnswers; ++i) {
        if (!answers_(i).Enabled()) {
            return false;
        }
    }
    return true;
}

std::string TypedAnswer::numberOn(int i) const
{
    // Written in the school's digits, typed in those or in 0-9.
    std::string number = asciiDigits(answers_(i).Caption());
    std::erase(number, ' ');
    return number;
}

void TypedAnswer::focus(int i) const
{
    if (onFocus) {
        onFocus(i);
    }
}

void TypedAnswer::forget()
{
    typed_.clear();
    forgetClock.setEnabled(false);
}

bool TypedAnswer::type(char digit)
{
    if (!active()) {
        forget();
        return false;
    }
    if (digit < '0' || digit > '9') {
        return true;
    }
    // Digits typed for an earlier problem say nothing about this one.
    if (problem_ != problemClock_.period()) {
        problem_ = problemClock_.period();
        forget();
    }
    const std::string wanted = typed_ + digit;
    std::vector<int> beginning;
    std::vector<int> equal;
    for (int i = 0; i < kAnswers; ++i) {
        const std::string number = numberOn(i);
        if (number.starts_with(wanted)) {
            beginning.push_back(i);
            if (number == wanted) {
                equal.push_back(i);
            }
        }
    }
    if (beginning.empty()) {
        return true;
    }
    // Two wrong answers may show the same number; either books the same miss.
    if (equal.size() == beginning.size()) {
        forget();
        focus(equal.front());
        answers_(equal.front()).click();
        return true;
    }
    typed_ = wanted;
    forgetClock.start();
    // An answer that equals the digits comes first, so Enter presses the
    // number typed, not a longer one to its left.
    focus(equal.empty() ? beginning.front() : equal.front());
    return true;
}

bool TypedAnswer::step(int from, int step)
{
    if (!active() || from < 0 || from >= kAnswers) {
        return false;
    }
    const int to = ((from + step) % kAnswers + kAnswers) % kAnswers;
    focus(to);
    return true;
}

}  // namespace korvane
