// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "answer_fit.h"

#include <QFontMetrics>

namespace korvane {

namespace {

bool fits(const QString& text, const QFont& font, QSize box)
{
    const QFontMetrics metrics(font);
    return metrics.horizontalAdvance(text) <= box.width() && metrics.height() <= box.height();
}

}  // namespace

QFont fittedOnOneLine(const QString& text, const QFont& font, QSize box)
{
    if (QFontMetrics(font).horizontalAdvance(text) <= box.width()) {
        return font;  // as laid out, wrapping and all
    }
    QFont smaller = font;
    for (int pixels = font.pixelSize() - 1; pixels > 1; --pixels) {
        smaller.setPixelSize(pixels);
        if (fits(text, smaller, box)) {
            break;
        }
    }
    return smaller;
}

}  // namespace korvane
