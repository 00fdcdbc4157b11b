// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The results window pf on screen: a parentless window bound to the Pf
// model. A WindowHost makes a fresh one on each Load and closes and deletes
// it on Unload.

#include <QWidget>

#include "model/pf.h"
#include "ui/shared/sheet_builder.h"

namespace korvane {

class ProgramKeys;

class ResultsWindow : public QWidget {
public:
    // Enter on its buttons presses them through `keys`.
    ResultsWindow(Pf& model, ProgramKeys& keys);

    // Before each show: on the first, the focus goes to the first control in
    // the tab order that can take it.
    void beforeShow();

private:
    sheet::Built built_;
};

}  // namespace korvane
