// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "paint_watch.h"

#include <utility>

#include <QEvent>
#include <QMetaObject>
#include <QWidget>

#include "monotonic.h"

namespace korvane::bench {

PaintWatch::PaintWatch(QWidget& widget, Painted painted)
    : QObject(&widget), widget_(widget), painted_(std::move(painted))
{
    widget_.installEventFilter(this);
}

bool PaintWatch::eventFilter(QObject* watched, QEvent* event)
{
    if (armed_ && watched == &widget_ && event->type() == QEvent::Paint) {
        armed_ = false;
        const std::int64_t paintNs = monotonicNs();
        // Queued: runs after the repaint that delivers this event is done.
        QMetaObject::invokeMethod(
            this, [this, paintNs] { painted_(paintNs, monotonicNs()); }, Qt::QueuedConnection);
    }
    return false;
}

}  // namespace korvane::bench
