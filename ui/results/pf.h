// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results window pf, toolkit-free: the grid of right answers over
// attempts for every fact, drawn into the drawing area dt. Its life (Load,
// Show, Unload) is that of every secondary window; its Qt window is
// ResultsWindow, which paints dt.

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "drawing_area.h"
#include "engine/controls.h"
#include "engine/data.h"
#include "engine/results_sheet.h"
#include "engine/secondary_window.h"

namespace korvane {

// The page last drawn, as a screen reader reads it: a table of the ticked
// rows and the page's columns, each cell the fact with its counts, and the
// footer's words.
struct GridReading {
    std::vector<std::string> columnHeaders;       // "1".."10" or "11".."20"
    std::vector<std::string> rowHeaders;          // the ticked numbers
    std::vector<std::vector<std::string>> cells;  // [row][column]: "7 + 5: 1 right of 2"
    std::vector<std::string> footer;              // the key and the totals line

    bool operator==(const GridReading&) const = default;
};

class Pf final : public SecondaryWindow, public ResultsSheet {
public:
    static constexpr const char* kCaption = "ScoreResults";

    explicit Pf(const Data& data);

    DrawingArea dt{*this, "dt"};
    CommandButton show10{*this, "show10", "Show 1-10"};
    CommandButton show20{*this, "show20", "Show 11-20"};
    CommandButton okclose{*this, "okclose", "Close"};

    void Form_Load() override;
    void show10_Click();
    void show20_Click();
    void okclose_Click();
    void showResults() override;
    // Writes one number on dt: one column further right when it is a single
    // digit, so the digits line up.
    void place(int number, int left, int top);
    // The page drawn last: 1 or 2 (0 before any drawing).
    int page() const { return page_; }
    // Put into words when a screen reader first asks, so that drawing a page
    // costs no more than the drawing.
    const GridReading& reading() const;

private:
    void resetControls() override;
    void drawPage(int p);
    // Fact table entry by its two operands (1..20 each), 0 for none, so a
    // page looks each cell up at once instead of searching the table.
    static constexpr int kMaxOperand = 20;
    using FactIndex = std::array<std::int16_t, (kMaxOperand + 1) * (kMaxOperand + 1)>;
    FactIndex indexFacts() const;
    // Right answers and wrong answers of the cell's fact; 0 and 0 when the
    // table holds no such fact.
    std::pair<int, int> cellCounts(const FactIndex& index, int row, int column) const;

    // What the page drawn last showed, as the screen reader's words are
    // made from it: the drawing stays what it was when the counts change.
    struct DrawnCell {
        int num1 = 0;  // 0: the table holds no fact for this cell
        int num2 = 0;
        int right = 0;
        int total = 0;
    };
    struct Drawn {
        std::int16_t optype = 0;
        std::vector<int> rows;
        std::array<DrawnCell, 10 * 10> cells{};  // [row * 10 + column]
        const char* key = "";
        std::string totals;
    };
    GridReading words() const;

    const Data& data_;
    int page_ = 0;
    Drawn drawn_;
    // One object for the window's life: the view keeps its address.
    mutable GridReading reading_;
    mutable bool readingStale_ = false;
};

// Number text on the drawing area: a blank (the sign's place), the digits
// and a blank.
std::string gridNumber(int number);

}  // namespace korvane
