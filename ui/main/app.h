// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The whole program: the drill state, the random source, the three window
// models and their Qt views, wired together, and the one filter of the
// program's keys that the three windows share. The main window's load
// handler has run by the time the constructor returns; show() puts it on
// screen.

#include "engine/data.h"
#include "engine/random_source.h"
#include "engine/tallyquip.h"
#include "main_window.h"
#include "ui/popup/model/tpop.h"
#include "ui/popup/popup_window.h"
#include "ui/results/model/pf.h"
#include "ui/results/results_window.h"
#include "ui/shared/dark_switch.h"
#include "ui/shared/program_keys.h"
#include "ui/shared/window_host.h"

namespace korvane {

class App {
public:
    App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    void show();

    Data& data() { return data_; }
    Tallyquip& model() { return model_; }
    Tpop& tpop() { return tpop_; }
    Pf& pf() { return pf_; }
    MainWindow& mainWindow() { return mainWindow_; }
    WindowHost& popupHost() { return popupHost_; }
    WindowHost& resultsHost() { return resultsHost_; }
    colours::DarkSwitch& darkSwitch() { return darkSwitch_; }

private:
    // Registers the resources and font substitutions before any window is
    // made.
    struct ToolkitReady {
        ToolkitReady();
    };

    ToolkitReady ready_;
    // Before the windows, which are then made in the desktop's scheme.
    colours::DarkSwitch darkSwitch_;
    // The models come first so that they outlive the views bound to them.
    Data data_;
    SeededRandom random_;
    Tpop tpop_{data_};
    Pf pf_{data_};
    Tallyquip model_{data_, random_, tpop_, pf_};
    // Made once, before the windows that register their buttons with it,
    // and after the model whose typed answers it feeds.
    ProgramKeys keys_;
    WindowHost popupHost_ = hostOf<PopupWindow>(tpop_, keys_);
    WindowHost resultsHost_ = hostOf<ResultsWindow>(pf_, keys_);
    MainWindow mainWindow_{model_, keys_};
};

}  // namespace korvane
