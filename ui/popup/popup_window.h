// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The feedback popup tpop on screen: a parentless window bound to the Tpop
// model, shown modeless as an ordinary window and modal as a dialog. A
// WindowHost makes a fresh one on each Load and closes and deletes it on
// Unload, which also ends a modal wait.

#include <QDialog>

#include "model/tpop.h"
#include "ui/shared/sheet_builder.h"

namespace korvane {

class ProgramKeys;

class PopupWindow : public QDialog {
public:
    // Enter on OK presses it through `keys`.
    PopupWindow(Tpop& model, ProgramKeys& keys);

    // Before each show: OK, which takes the focus, carries the headline and
    // the answer line for screen readers, and the answer line is fitted.
    void beforeShow();

protected:
    // No cancel button: Escape presses nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Shrinks the answer line's font only when the line would not fit.
    void fitAnswerLine();

    sheet::Built built_;
};

}  // namespace korvane
