// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results window as the main window uses it: one call that opens it.

namespace korvane {

class ResultsSheet {
public:
    // Loads the window (which draws the first page) and shows it modeless;
    // a window already open keeps its page and comes to the front.
    virtual void showResults() = 0;

protected:
    ResultsSheet() = default;
    ResultsSheet(const ResultsSheet&) = default;
    ResultsSheet& operator=(const ResultsSheet&) = default;
    ~ResultsSheet() = default;
};

}  // namespace korvane
