// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A secondary window's view for running without a screen. It records what
// the model asks of the window, and a modal show runs the scripted step
// (advance the clock, press OK...) in place of the program's nested event
// loop; then the wait is over.

#include <functional>
#include <string>
#include <vector>

#include "engine/secondary_window.h"

namespace korvane::testing {

struct ScriptedView : WindowView {
    std::vector<std::string> calls;
    // Runs as the window is made, before the load handler.
    std::function<void()> whenCreated;
    // Runs inside the modal wait; with none set, the wait ends at once.
    std::function<void()> duringModal;

    void created() override
    {
        calls.emplace_back("created");
        if (whenCreated) {
            whenCreated();
        }
    }
    void unloaded() override { calls.emplace_back("destroyed"); }
    void showModeless() override { calls.emplace_back("showModeless"); }
    void runModal() override
    {
        calls.emplace_back("runModal");
        if (duringModal) {
            duringModal();
        }
    }
};

}  // namespace korvane::testing
