// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The program's keys, watched by one filter on the whole program, made once
// with the program and handed to each window as it is made. Enter and Return
// press the focused push button of a window that registered it, as Space
// already does; Qt does this by itself only for buttons in dialogs. Escape
// stays unbound. With the answer buttons given, digits (main row or keypad)
// choose an answer by its number while a problem is shown, wherever the
// focus is in the program, and the arrow keys step between the answers;
// Backspace and Escape forget the digits typed.
//
// A held key acts once. The X server repeats a held key as a release and a
// press that share one timestamp; Qt flags such a press as a repeat only
// when it has already arrived as the release is handled, which after a big
// repaint it often has not. So a press that follows a release of the same
// key with the same timestamp counts as held, whatever Qt says.
//
// While a screen reader listens to the keyboard, Qt's accessibility bridge
// holds back every key event the window system sends, asks the screen
// reader whether it wants the key, and then sends the program a copy that
// has lost its timestamp. Two presses of one key (the 1s of 11) would then
// look like a held key. So the filter stands first among the program's
// filters, notes each key as the window system sent it, and gives the copy
// its time back; keys act only once they reach a widget.

#include <array>
#include <deque>
#include <optional>
#include <vector>

#include <QObject>
#include <QPointer>

class QKeyEvent;
class QPushButton;

namespace korvane {

class TypedAnswer;

class ProgramKeys : public QObject {
public:
    // Watches the keys of the whole program, so that a release seen by any
    // window counts (the focus may move between a release and its press).
    explicit ProgramKeys(QObject* parent = nullptr);
    // Enter and Return on this button press it, for as long as it lives;
    // buttons of windows since closed are forgotten.
    void watch(QPushButton& button);
    // Digits and arrows choose among these buttons through `typed`, which
    // must outlive this object.
    void answerWith(TypedAnswer& typed, const std::array<QPushButton*, 3>& answers);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void noteSent(const QKeyEvent& key);
    void restoreTime(QKeyEvent& copy);
    bool isHeld(const QKeyEvent& press) const;
    bool pressEnter(QObject* watched, const QKeyEvent& key) const;
    bool answerKey(QObject* watched, const QKeyEvent& key);

    struct Release {
        quint64 timestamp;
        quint32 scanCode;
    };
    std::optional<Release> lastRelease_;
    // Keys as the window system sent them, oldest first, until their copies
    // come back from the accessibility bridge.
    struct Sent {
        int type;
        int key;
        quint32 scanCode;
        quint64 timestamp;
    };
    std::deque<Sent> sent_;
    std::vector<QPointer<QPushButton>> buttons_;
    TypedAnswer* typed_ = nullptr;
    std::array<QPointer<QPushButton>, 3> answers_{};
};

}  // namespace korvane
