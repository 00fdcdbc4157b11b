// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// A whole program without a screen: the drill state, the main window's
// model, the popup and the results window, their timers on a virtual clock.

#include <memory>

#include "engine/tallyquip.h"
#include "scripted_view.h"
#include "support/scripted_random.h"
#include "support/virtual_clock.h"
#include "ui/popup/model/tpop.h"
#include "ui/results/model/pf.h"

namespace korvane::testing {

struct Rig {
    Data data;
    ScriptedRandom scripted;
    SeededRandom seeded{12345};
    Tpop tpop{data};
    Pf pf{data};
    // The popup's modal wait runs tpopView.duringModal.
    ScriptedView tpopView;
    ScriptedView pfView;
    VirtualClock clock;
    std::unique_ptr<Tallyquip> w;

    // With scripted draws when `script` is true, else the seeded generator.
    explicit Rig(bool script = false, bool load = true)
    {
        RandomSource& source = script ? static_cast<RandomSource&>(scripted) : seeded;
        w = std::make_unique<Tallyquip>(data, source, tpop, pf);
        tpop.setView(&tpopView);
        pf.setView(&pfView);
        for (Timer* timer : w->timers()) {
            clock.attach(*timer);
        }
        if (load) {
            w->Form_Load();
            seeded.seed(12345);  // start-up seeds from the clock; tests repeat exactly
        }
    }

    Tallyquip& operator*() { return *w; }
    Tallyquip* operator->() { return w.get(); }

    // The button that shows the right answer, and one that does not.
    CommandButton& rightButton() { return w->but(data.rightslot - 1); }
    CommandButton& wrongButton() { return w->but(data.rightslot % 3); }
    const Fact& current() const { return data.facts(data.curfact); }
};

}  // namespace korvane::testing
