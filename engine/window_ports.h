// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// How the main window reaches its two secondary windows. Each exists at
// most once, is created on demand (Load) and destroyed by its own buttons.

#include <string>

namespace korvane {

// The feedback popup shown after a miss.
class FeedbackPopup {
public:
    virtual ~FeedbackPopup() = default;
    virtual bool IsLoaded() const = 0;
    // Creates the popup hidden if it is absent, and writes the answer line
    // for the fact on display either way.
    virtual void Load() = 0;
    virtual void SetHeadline(const std::string& text) = 0;
    // Returns at once; the main window stays usable.
    virtual void ShowModeless() = 0;
    // Returns once the popup has been dismissed.
    virtual void ShowModal() = 0;
    virtual void Unload() = 0;
};

// The results window opened by the Results button.
class ResultsWindow {
public:
    virtual ~ResultsWindow() = default;
    virtual void Load() = 0;
    virtual void ShowModeless() = 0;
};

}  // namespace korvane
