// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Owns a top-level window that has no parent. The window can be let go
// while one of its own signals is being handled (release() deletes it
// later); whatever is still alive when the owner goes is deleted then.

#include <memory>
#include <utility>
#include <vector>

#include <QPointer>
#include <QWidget>

namespace korvane {

template <typename W>
class OwnedWindow {
public:
    OwnedWindow() = default;
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    ~OwnedWindow()
    {
        reset();
        for (const QPointer<W>& dying : dying_) {
            delete dying.data();
        }
    }

    W* get() const { return window_.data(); }
    explicit operator bool() const { return !window_.isNull(); }

    // Takes a freshly made window; any earlier one is let go.
    W& adopt(std::unique_ptr<W> window)
    {
        release();
        window_ = window.release();
        return *window_;
    }

    // Closes the window and deletes it once control is back in the event
    // loop, so a handler of the window itself may call this. The window must
    // accept the close. A close, unlike a hide, counts towards the program
    // ending with its last window.
    void release()
    {
        if (W* window = window_.data()) {
            window_.clear();
            window->close();
            window->deleteLater();
            dying_.emplace_back(window);
        }
        std::erase_if(dying_, [](const QPointer<W>& p) { return p.isNull(); });
    }

private:
    void reset()
    {
        delete window_.data();
        window_.clear();
    }

    QPointer<W> window_;
    std::vector<QPointer<W>> dying_;
};

}  // namespace korvane
