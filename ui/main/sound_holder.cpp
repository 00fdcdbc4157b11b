// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "sound_holder.h"

#include <QPainter>
#include <QPainterPath>

namespace korvane {

SoundHolder::SoundHolder(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SoundHolder::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ink = palette().color(QPalette::WindowText);
    const qreal mid = height() / 2.0;

    // The speaker: a small box and its cone.
    QPainterPath speaker;
    speaker.moveTo(2, mid - 2.5);
    speaker.lineTo(5, mid - 2.5);
    speaker.lineTo(9, mid - 6);
    speaker.lineTo(9, mid + 6);
    speaker.lineTo(5, mid + 2.5);
    speaker.lineTo(2, mid + 2.5);
    speaker.closeSubpath();
    painter.fillPath(speaker, ink);

    // Two sound waves.
    painter.setPen(QPen(ink, 1.2));
    painter.drawArc(QRectF(6, mid - 4, 8, 8), -50 * 16, 100 * 16);
    painter.drawArc(QRectF(5, mid - 7, 14, 14), -50 * 16, 100 * 16);
}

}  // namespace korvane
