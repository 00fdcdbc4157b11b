// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Enter and Return press the focused push button, as Space already does.
// Qt does this by itself only for buttons in dialogs; Escape stays unbound.
//
// A held key presses once. The X server repeats a held key as a release
// and a press that share one timestamp; Qt flags such a press as a repeat
// only when it has already arrived as the release is handled, which after
// a big repaint it often has not. So a press that follows a release of the
// same key with the same timestamp counts as held, whatever Qt says.

#include <optional>
#include <vector>

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QPushButton;

namespace korvane {

class EnterPressesButton : public QObject {
public:
    // Watches the keys of the whole program, so that a release seen by any
    // window counts (the focus may move between a release and its press).
    explicit EnterPressesButton(QObject* parent);
    // Enter and Return on this button press it.
    void watch(QPushButton& button);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool isHeld(const QKeyEvent& press) const;

    struct Release {
        quint64 timestamp;
        quint32 scanCode;
    };
    std::optional<Release> lastRelease_;
    std::vector<QPointer<QPushButton>> buttons_;
};

}  // namespace korvane
