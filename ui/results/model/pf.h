// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results window pf, toolkit-free: the grid of right answers over
// attempts for every fact, drawn into the drawing area dt. Its life (Load,
// Show, Unload) is that of every secondary window; its Qt window is
// ResultsWindow, which paints dt.

#include "drawing_area.h"
#include "engine/controls.h"
#include "engine/data.h"
#include "engine/results_sheet.h"
#include "engine/secondary_window.h"
#include "engine/words.h"
#include "results_page.h"

namespace korvane {

class Pf final : public SecondaryWindow, public ResultsSheet {
public:
    static constexpr const char* kCaption = "ScoreResults";

    explicit Pf(const Data& data);

    DrawingArea dt{*this, "dt"};
    //: Results window: the button that shows the columns 1 to 10; 129 pixels wide.
    CommandButton show10{*this, "show10", QT_TRANSLATE_NOOP("ResultsWindow", "Show 1-10")};
    //: Results window: the button that shows the columns 11 to 20; 129 pixels wide.
    CommandButton show20{*this, "show20", QT_TRANSLATE_NOOP("ResultsWindow", "Show 11-20")};
    //: Results window: the button that closes it; 105 pixels wide.
    CommandButton okclose{*this, "okclose", QT_TRANSLATE_NOOP("ResultsWindow", "Close")};

    void Form_Load() override;
    void show10_Click();
    void show20_Click();
    void okclose_Click();
    void showResults() override;
    // Writes one number on dt: one column further right when it is a single
    // digit, so the digits line up.
    void place(int number, int left, int top);
    // The page drawn last: 1 or 2 (0 before any drawing).
    int page() const { return shown_.number(); }
    // The page drawn last, which the drawing shows and a screen reader
    // reads. One object for the window's life: the view keeps its address.
    const ResultsPage& shownPage() const { return shown_; }

private:
    void resetControls() override;
    void drawPage(int p);

    const Data& data_;
    ResultsPage shown_;
};

}  // namespace korvane
