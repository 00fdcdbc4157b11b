// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Notes when a widget is painted. An event filter sees the widget's Paint
// event arrive (the toolkit is about to draw it); a call queued from there
// runs once the toolkit has finished that repaint, children included, and
// handed the frame to the X server. Both instants are reported.

#include <cstdint>
#include <functional>

#include <QObject>

class QWidget;

namespace korvane::bench {

class PaintWatch : public QObject {
public:
    // paintNs: the Paint event arrived; frameNs: the whole frame is drawn.
    using Painted = std::function<void(std::int64_t paintNs, std::int64_t frameNs)>;

    // Armed at once: the next paint of `widget` is reported.
    PaintWatch(QWidget& widget, Painted painted);

    // Reports the next paint of the widget.
    void arm() { armed_ = true; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& widget_;
    Painted painted_;
    bool armed_ = true;
};

}  // namespace korvane::bench
