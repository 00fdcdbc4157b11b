// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Hands the keyboard back when one of our own parentless windows goes away.
// Such a window has no owner the desktop would return the focus to, and a
// pupil without a mouse would be left with no window to type into: the
// window that was active when it came up gets the focus again.

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace korvane {

class FocusReturn {
public:
    // Just before `window` is shown or brought to the front. While no other
    // window on screen is active (one window is just giving way to the
    // next), the window remembered before stays.
    void remember(const QWidget& window)
    {
        QWidget* active = QApplication::activeWindow();
        if (active != nullptr && active != &window && active->isVisible()) {
            from_ = active;
        }
    }

    // Whether `window` holds the focus now, asked before it closes.
    static bool holdsFocus(const QWidget& window) { return window.isActiveWindow(); }

    // After the window has closed; only a window that held the focus hands
    // it on, and only to a window still on screen.
    void giveBack(bool held) const
    {
        if (held && from_ && from_->isVisible()) {
            from_->activateWindow();
        }
    }

private:
    QPointer<QWidget> from_;
};

}  // namespace korvane
