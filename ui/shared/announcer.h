// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Says a short text to a screen reader wherever the keyboard focus is,
// without moving the focus and without changing anything on screen.
//
// Qt 6.8 and later have an announcement event for this, which screen
// readers speak as it comes. Older Qt sends a changed name or description
// over AT-SPI without the new text, and screen readers ignore text changes
// of a label that has no focus. What they do speak at once is a
// notification that shows up inside a status bar: read as its name alone,
// with no role said. So the window gets a status bar that exists only for
// screen readers (no widget, no pixels), and each announcement is a new
// notification in it, reported shown. A notification is never given a
// second text: a screen reader may keep the name it read the first time
// and say that again.
//
// Texts are sent at the end of the handler that asked for them, in order;
// those of one handler together, those of the next a little later.
// When a window of the program comes up (shown or brought to the front) or
// goes away meanwhile, they wait until the focus has settled in a window:
// the screen reader presents the new window first and would cut off
// anything said before. A text asked for before a window came up in the
// same handler is dropped: that window says it itself (the popup's headline
// says what "Wrong!" says).

#include <deque>

#include <QAccessible>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>

class QAccessibleInterface;
class QWidget;
class QWindow;

namespace korvane {

class Announcer : public QObject {
public:
    explicit Announcer(QWidget& window);
    Announcer(const Announcer&) = delete;
    Announcer& operator=(const Announcer&) = delete;
    ~Announcer() override;

    void announce(const QString& text);

    // What was sent, oldest first (the last few); for tests.
    const QStringList& sent() const { return sent_; }
    // The accessible status bar that holds the latest notifications.
    QAccessibleInterface* statusBar() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    class Status;
    class Notice;
    struct Said {
        Notice* notice;
        QAccessible::Id id;
    };
    // Notifications kept readable after they were reported, for a screen
    // reader that asks for their text late; older ones are given back.
    static constexpr std::size_t kKept = 4;

    void flush();
    void focusSettled(QWindow* window);
    void send(const QStringList& texts);

    QWidget& window_;
    // Owned by Qt's accessibility cache, which hands them out by id; given
    // back in the destructor.
    Status* status_;
    QAccessible::Id statusId_;
    std::deque<Said> notices_;  // oldest first
    QStringList pending_;
    QStringList sent_;
    bool windowChanging_ = false;
    QTimer flushSoon_;
    QElapsedTimer lastSent_;
    QTimer settleLimit_;
};

}  // namespace korvane
