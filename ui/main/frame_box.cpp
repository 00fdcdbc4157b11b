// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "frame_box.h"

#include <QPainter>

#include "ui/shared/caption_fit.h"

namespace korvane {

void FrameBox::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    const QFontMetrics metrics = fontMetrics();
    const int line = metrics.height() / 2;
    const QRect box(0, line, width() - 2, height() - line - 2);

    // Etched: a shadow line with a light line just inside and below it.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(box.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(box);

    const QString caption = title();
    if (!caption.isEmpty()) {
        // A title too long for the frame is drawn smaller, never clipped.
        const QFont titleFont =
            captionfit::fitted(font(), [&](const QFont& f) { return captionfit::fits(*this, caption, f); });
        painter.setFont(titleFont);
        const QFontMetrics titleMetrics(titleFont);
        const QRect text(8, 0, titleMetrics.horizontalAdvance(caption) + 4, metrics.height());
        painter.fillRect(text, palette().color(QPalette::Window));
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(text, Qt::AlignCenter, caption);
    }
}

}  // namespace korvane
