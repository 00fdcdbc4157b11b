// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The feedback popup as the main window uses it: one call that brings it up
// with a headline over the answer line of the fact on display.

#include <string>

namespace korvane {

enum class Modality {
    Modeless,  // returns at once; the main window stays usable
    Modal,     // returns once the popup is gone, however it was dismissed
};

class FeedbackPopup {
public:
    // Loads the popup (which writes the answer line), writes the headline,
    // then shows it. A modal one comes up fresh: a popup still open from an
    // earlier miss is closed first, so the new one really waits.
    virtual void showFeedback(const std::string& headline, Modality modality) = 0;

protected:
    FeedbackPopup() = default;
    FeedbackPopup(const FeedbackPopup&) = default;
    FeedbackPopup& operator=(const FeedbackPopup&) = default;
    ~FeedbackPopup() = default;
};

}  // namespace korvane
