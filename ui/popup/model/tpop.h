// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The feedback popup tpop, toolkit-free: its controls and its load handler
// that writes the answer line. Its life (Load, Show, Unload) is that of
// every secondary window; its Qt window is PopupWindow.

#include <string>

#include "engine/controls.h"
#include "engine/data.h"
#include "engine/feedback_popup.h"
#include "engine/secondary_window.h"
#include "engine/words.h"

namespace korvane {

// The answer line for a fact: "7 + 5 = 12", "14 - 6 = 8", "3 x 9 = 27".
std::string answerLine(int optype, const Fact& fact);

class Tpop final : public SecondaryWindow, public FeedbackPopup {
public:
    static constexpr const char* kCaption = "Belquist:MessageBox";

    explicit Tpop(const Data& data);

    Label Label1{*this, "Label1", ""};
    Label giveanswer{*this, "giveanswer", ""};
    //: Popup: the button that closes it; 24-point type, 281 pixels wide.
    CommandButton kill{*this, "kill", QT_TRANSLATE_NOOP("PopupWindow", "OK")};

    void Form_Load() override;
    void kill_Click();
    // The headline goes on Label1, between Load and Show.
    void showFeedback(const std::string& headline, Modality modality) override;

private:
    void resetControls() override;
    // Still open from an earlier miss: show the fact of now.
    void loadedAgain() override { Form_Load(); }

    const Data& data_;
};

}  // namespace korvane
