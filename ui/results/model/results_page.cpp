// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "results_page.h"

#include <algorithm>

#include "engine/fact_text.h"
#include "engine/number_text.h"
#include "engine/words.h"

namespace korvane {

namespace {

// Fact table entry by its two operands (1..20 each), 0 for none, so a page
// looks each cell up at once instead of searching the table.
constexpr int kMaxOperand = 20;
using FactIndex = std::array<std::int16_t, (kMaxOperand + 1) * (kMaxOperand + 1)>;

FactIndex indexFacts(const Data& data)
{
    FactIndex index{};
    // Entries that hold no fact have operands 0 and stay out of the index;
    // the table holds at most one fact per pair, so the first one stands.
    for (int x = kMaxFacts; x >= 1; --x) {
        const Fact& fact = data.facts(x);
        if (fact.num1 >= 1 && fact.num1 <= kMaxOperand && fact.num2 >= 1 && fact.num2 <= kMaxOperand) {
            index[static_cast<std::size_t>(fact.num1 * (kMaxOperand + 1) + fact.num2)] = static_cast<std::int16_t>(x);
        }
    }
    return index;
}

// The cell of row number `row` under column number `column`: a subtraction
// takes the column number from the row number. Zeros when the table holds
// no such fact.
GridCell cellOf(const Data& data, const FactIndex& index, int row, int column)
{
    const bool subtraction = data.optype == optype::kSubtraction;
    const int num1 = subtraction ? column : row;
    const int num2 = subtraction ? row : column;
    const int x = index[static_cast<std::size_t>(num1 * (kMaxOperand + 1) + num2)];
    if (x == 0) {
        return {};
    }
    const Fact& fact = data.facts(x);
    // Both counters stop at 32767; their sum is kept in range too.
    return {num1, num2, fact.timesright, std::min(fact.timesright + fact.timeswrong, 32767)};
}

}  // namespace

std::string gridNumber(int number)
{
    std::string text(1, number < 0 ? '-' : ' ');
    text += digits(number < 0 ? -static_cast<long long>(number) : number);
    text += ' ';
    return text;
}

ResultsPage::ResultsPage(const Data& data, int page) : number_(page), optype_(data.optype)
{
    const FactIndex index = indexFacts(data);
    for (int j = 1; j <= 10; ++j) {
        if (data.numsel(j) != 1) {
            continue;
        }
        const std::size_t r = rows_.size();
        rows_.push_back(j);
        for (int k = 0; k < kColumns; ++k) {
            cells_[r * kColumns + static_cast<std::size_t>(k)] = cellOf(data, index, j, column(k));
        }
    }
    //: The grid's heading and key, one line in a fixed-pitch font: it must fit the grid's width (68 characters).
    key_ =
        page == 1
            ? word("ResultsWindow", QT_TRANSLATE_NOOP("ResultsWindow", "Numbers  1 thru 10       Key:Correct / Total"))
            //: The grid's heading and key on the second page (68 characters at most).
            : word("ResultsWindow", QT_TRANSLATE_NOOP("ResultsWindow", "Numbers 11 thru 20       Key:Correct / Total"));
    //: The run's totals under the grid (68 characters at most with the numbers).
    totals_ = filled(word("ResultsWindow", QT_TRANSLATE_NOOP("ResultsWindow", "Total Right=%1    Total Problems=%2")),
                     {gridNumber(data.totalright), gridNumber(data.totalprobs)});
}

const GridCell& ResultsPage::cell(int r, int k) const
{
    return cells_.at(static_cast<std::size_t>(r) * kColumns + static_cast<std::size_t>(k));
}

std::string ResultsPage::columnWords(int k) const { return digits(column(k)); }

std::string ResultsPage::rowWords(int r) const { return digits(row(r)); }

std::string ResultsPage::cellWords(int r, int k) const
{
    const GridCell& c = cell(r, k);
    if (c.num1 == 0) {
        //: A cell of the grid with no problem in it, as a screen reader says it: right answers (%n) of all
        //: answers (%1). Spoken only, never shown.
        return filled(counted("ResultsWindow", QT_TRANSLATE_N_NOOP("ResultsWindow", "%n right of %1"), c.right),
                      {digits(c.total)});
    }
    Fact fact;
    fact.num1 = static_cast<std::int16_t>(c.num1);
    fact.num2 = static_cast<std::int16_t>(c.num2);
    //: A cell of the grid as a screen reader says it: the problem (%1, such as "7 + 5"), then right answers
    //: (%n) of all tries at that problem (%2). Spoken only, never shown.
    return filled(counted("ResultsWindow", QT_TRANSLATE_N_NOOP("ResultsWindow", "%1: %n right of %2"), c.right),
                  {factText(optype_, fact), digits(c.total)});
}

}  // namespace korvane
