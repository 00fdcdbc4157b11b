// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// One page of the results grid, toolkit-free: the numbers over the columns
// and before the rows, each cell's fact and counts, the key and the totals.
// Both the drawing and a screen reader's words are made from it, so they
// cannot disagree; it keeps what it showed when the counts change later.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/data.h"

namespace korvane {

struct GridCell {
    int num1 = 0;  // 0: the table holds no fact for this cell
    int num2 = 0;
    int right = 0;
    int total = 0;  // right and wrong answers, kept in range
};

class ResultsPage {
public:
    static constexpr int kColumns = 10;

    // No page: nothing drawn yet.
    ResultsPage() = default;
    // Page 1 (columns 1 to 10) or 2 (11 to 20) of the drill state now.
    ResultsPage(const Data& data, int page);

    int number() const { return number_; }  // 1 or 2; 0 for no page
    int columnCount() const { return number_ == 0 ? 0 : kColumns; }
    int rowCount() const { return static_cast<int>(rows_.size()); }
    // The number over column k (0..9) and before row r.
    int column(int k) const { return number_ == 1 ? k + 1 : k + 11; }
    int row(int r) const { return rows_.at(static_cast<std::size_t>(r)); }
    const GridCell& cell(int r, int k) const;
    const std::string& key() const { return key_; }
    const std::string& totals() const { return totals_; }

    // What a screen reader says for a header or a cell.
    std::string columnWords(int k) const;
    std::string rowWords(int r) const;
    std::string cellWords(int r, int k) const;

private:
    int number_ = 0;
    std::int16_t optype_ = 0;
    std::vector<int> rows_;
    std::array<GridCell, kColumns * kColumns> cells_{};  // [row * 10 + column]
    std::string key_;
    std::string totals_;
};

// Number text on the drawing area: a blank (the sign's place), the digits
// and a blank.
std::string gridNumber(int number);

}  // namespace korvane
