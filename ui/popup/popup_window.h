#pragma once
// The feedback popup tpop on screen: a parentless dialog bound to the Tpop
// model. A WindowHost makes a fresh one on each Load and closes and deletes
// it on Unload, which also ends a modal wait.

#include <QDialog>

#include "tpop.h"

namespace korvane {

class PopupWindow : public QDialog {
public:
    explicit PopupWindow(Tpop& model);

    // Before each show: OK, which takes the focus, carries the headline and
    // the answer line for screen readers.
    void beforeShow();

protected:
    // No cancel button: Escape presses nothing.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Tpop& model_;
};

}  // namespace korvane
