// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "pf.h"

#include <algorithm>

#include "engine/fact_text.h"
#include "engine/number_text.h"

namespace korvane {

std::string gridNumber(int number)
{
    std::string text(1, number < 0 ? '-' : ' ');
    text += digits(number < 0 ? -static_cast<long long>(number) : number);
    text += ' ';
    return text;
}

Pf::Pf(const Data& data) : data_(data)
{
    show10.onClick = [this] { show10_Click(); };
    show20.onClick = [this] { show20_Click(); };
    okclose.onClick = [this] { okclose_Click(); };
}

void Pf::resetControls()
{
    show10.setEnabled(true);
    show20.setEnabled(true);
    dt.Clear();
}

void Pf::Form_Load()
{
    show10_Click();
    if (data_.numsel(11) == 0) {
        show20.setEnabled(false);
        show10.setEnabled(false);
    }
}

void Pf::show10_Click() { drawPage(1); }

void Pf::show20_Click() { drawPage(2); }

void Pf::okclose_Click() { Unload(); }

void Pf::showResults()
{
    Load();
    ShowModeless();
}

void Pf::place(int number, int left, int top)
{
    dt.MoveTo(number < 10 ? left + 100 : left, top);
    dt.WriteLine(gridNumber(number));
}

Pf::FactIndex Pf::indexFacts() const
{
    FactIndex index{};
    // Entries that hold no fact have operands 0 and stay out of the index;
    // the table holds at most one fact per pair, so the first one stands.
    for (int x = kMaxFacts; x >= 1; --x) {
        const Fact& fact = data_.facts(x);
        if (fact.num1 >= 1 && fact.num1 <= kMaxOperand && fact.num2 >= 1 && fact.num2 <= kMaxOperand) {
            index[static_cast<std::size_t>(fact.num1 * (kMaxOperand + 1) + fact.num2)] = static_cast<std::int16_t>(x);
        }
    }
    return index;
}

std::pair<int, int> Pf::cellCounts(const FactIndex& index, int row, int column) const
{
    int num1 = row;
    int num2 = column;
    if (data_.optype == optype::kSubtraction) {
        num1 = column;
        num2 = row;
    }
    const int x = index[static_cast<std::size_t>(num1 * (kMaxOperand + 1) + num2)];
    if (x == 0) {
        return {0, 0};
    }
    return {data_.facts(x).timesright, data_.facts(x).timeswrong};
}

void Pf::drawPage(int p)
{
    page_ = p;
    readingStale_ = true;
    const FactIndex index = indexFacts();
    const bool subtraction = data_.optype == optype::kSubtraction;
    drawn_.optype = data_.optype;
    drawn_.rows.clear();
    dt.Clear();
    for (int k = 1; k <= 10; ++k) {
        place(p == 1 ? k : k + 10, 700 * k + 100, 0);
    }
    for (int j = 1; j <= 10; ++j) {
        if (data_.numsel(j) != 1) {
            continue;
        }
        const int top = 200 * j + 100;
        place(j, 0, top);
        drawn_.rows.push_back(j);
        for (int k = 1; k <= 10; ++k) {
            const int n = p == 1 ? k : k + 10;
            const auto [r, w] = cellCounts(index, j, n);
            // Both counters stop at 32767; their sum is kept in range too.
            const int t = std::min(r + w, 32767);
            place(r, 700 * k, top);
            dt.MoveTo(700 * k + 300, top);
            dt.WriteLine("/");
            place(t, 700 * k + 300, top);
            const int num1 = subtraction ? n : j;
            const int num2 = subtraction ? j : n;
            const bool fact = index[static_cast<std::size_t>(num1 * (kMaxOperand + 1) + num2)] != 0;
            drawn_.cells[(drawn_.rows.size() - 1) * 10 + static_cast<std::size_t>(k - 1)] =
                fact ? DrawnCell{num1, num2, r, t} : DrawnCell{0, 0, r, t};
        }
    }
    drawn_.key =
        p == 1 ? "Numbers  1 thru 10       Key:Correct / Total" : "Numbers 11 thru 20       Key:Correct / Total";
    drawn_.totals =
        "Total Right=" + gridNumber(data_.totalright) + "    Total Problems=" + gridNumber(data_.totalprobs);
    dt.WriteLine(" ");
    dt.WriteLine(drawn_.key);
    dt.WriteLine(" ");
    dt.WriteLine(drawn_.totals);
}

const GridReading& Pf::reading() const
{
    if (readingStale_) {
        reading_ = words();
        readingStale_ = false;
    }
    return reading_;
}

GridReading Pf::words() const
{
    GridReading reading;
    if (page_ == 0) {
        return reading;
    }
    for (int k = 1; k <= 10; ++k) {
        reading.columnHeaders.push_back(digits(page_ == 1 ? k : k + 10));
    }
    for (std::size_t row = 0; row < drawn_.rows.size(); ++row) {
        reading.rowHeaders.push_back(digits(drawn_.rows[row]));
        auto& cells = reading.cells.emplace_back();
        for (std::size_t k = 0; k < 10; ++k) {
            const DrawnCell& cell = drawn_.cells[row * 10 + k];
            const std::string counts = digits(cell.right) + " right of " + digits(cell.total);
            Fact fact;
            fact.num1 = static_cast<std::int16_t>(cell.num1);
            fact.num2 = static_cast<std::int16_t>(cell.num2);
            cells.push_back(cell.num1 == 0 ? counts : factText(drawn_.optype, fact) + ": " + counts);
        }
    }
    reading.footer = {drawn_.key, drawn_.totals};
    return reading;
}

}  // namespace korvane
