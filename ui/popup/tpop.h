// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The feedback popup tpop, toolkit-free: its controls, its load handler that
// writes the answer line, and its life (Load, Show, Unload). The Qt dialog
// mirrors it through a PopupView.

#include <functional>
#include <string>

#include "engine/controls.h"
#include "engine/data.h"
#include "engine/window_ports.h"

namespace korvane {

class PopupView {
public:
    virtual ~PopupView() = default;
    virtual void created() = 0;       // make the window, hidden
    virtual void destroyed() = 0;     // close and destroy it (ends a modal wait)
    virtual void showModeless() = 0;  // show and bring to the front
    virtual void runModal() = 0;      // show and wait until destroyed() ends the wait
};

// The answer line for a fact: "7 + 5 = 12", "14 - 6 = 8", "3 x 9 = 27".
std::string answerLine(int optype, const Fact& fact);

class Tpop final : public FeedbackPopup, public ControlWindow {
public:
    static constexpr const char* kCaption = "Belquist:MessageBox";

    explicit Tpop(const Data& data);

    Label Label1{*this, "Label1", ""};
    Label giveanswer{*this, "giveanswer", ""};
    CommandButton kill{*this, "kill", "OK"};

    bool IsLoaded() const override { return loaded_; }
    void Load() override;
    void SetHeadline(const std::string& text) override { Label1.setCaption(text); }
    void ShowModeless() override;
    void ShowModal() override;
    void Unload() override;

    void Form_Load();
    void kill_Click();

    bool Visible() const { return visible_; }
    bool Modal() const { return modal_; }
    // How many times the popup has been created since the program started.
    int creations() const { return creations_; }

    void setView(PopupView* view) { view_ = view; }
    // Without a view, a modal show runs this step (a test's scripted wait:
    // advance the clock, press OK) and then returns; with none set, the
    // popup is dismissed at once.
    std::function<void()> modalStep;

private:
    const Data& data_;
    PopupView* view_ = nullptr;
    bool loaded_ = false;
    bool visible_ = false;
    bool modal_ = false;
    int creations_ = 0;
};

}  // namespace korvane
