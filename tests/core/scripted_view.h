#pragma once
// A secondary window's view for running without a screen: a modal show
// runs the scripted step (advance the clock, press OK...) in place of the
// program's nested event loop, and then the wait is over.

#include <functional>

#include "engine/secondary_window.h"

namespace korvane::testing {

struct ScriptedView : WindowView {
    // Runs inside the modal wait; with none set, the wait ends at once.
    std::function<void()> duringModal;

    void created() override {}
    void destroyed() override {}
    void showModeless() override {}
    void runModal() override
    {
        if (duringModal) {
            duringModal();
        }
    }
};

}  // namespace korvane::testing
