// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "fact_text.h"

#include "number_text.h"

namespace korvane {

namespace {

const char* operatorText(int op)
{
    switch (op) {
    case optype::kAddition:
        return " + ";
    case optype::kSubtraction:
        return " - ";
    default:
        return " x ";
    }
}

}  // namespace

std::string factText(int op, const Fact& fact) { return digits(fact.num1) + operatorText(op) + digits(fact.num2); }

}  // namespace korvane
