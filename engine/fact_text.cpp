// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "fact_text.h"

#include "number_text.h"
#include "words.h"

namespace korvane {

namespace {

bool marked = false;

std::string operatorText(int op)
{
    // The signs a class writes, with the blanks around them: a German class
    // writes 3 · 4, a French one 3 × 4.
    switch (op) {
    case optype::kAddition:
        //: The plus sign between the numbers of a problem, with a blank each side: "7 + 5".
        return word("Drill", QT_TRANSLATE_NOOP("Drill", " + "));
    case optype::kSubtraction:
        //: The minus sign between the numbers of a problem, with a blank each side: "14 - 6".
        return word("Drill", QT_TRANSLATE_NOOP("Drill", " - "));
    default:
        //: The times sign between the numbers of a problem, with a blank each side: "3 x 4". Use the sign
        //: the country's schools write (3 · 4, 3 × 4).
        return word("Drill", QT_TRANSLATE_NOOP("Drill", " x "));
    }
}

}  // namespace

std::string factText(int op, const Fact& fact) { return digits(fact.num1) + operatorText(op) + digits(fact.num2); }

std::string operationCaption(int op) { return leftToRight("(" + operatorText(op) + ")"); }

void markLeftToRight(bool on) { marked = on; }

std::string leftToRight(std::string text)
{
    // An isolate (U+2066 ... U+2069) would leave the surrounding text alone
    // too, but Qt 6.4 neither reorders by it nor hides it; and digits of
    // the Arabic set run right to left even inside one: only an override
    // keeps their order.
    return marked ? "\u202D" + text + "\u202C" : text;
}

}  // namespace korvane
