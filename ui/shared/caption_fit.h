// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Every word shows whole. The windows are laid out at fixed places, and a
// caption in another language may be longer than the English one: where it
// does not fit its control at the designed font, it is drawn at the largest
// size that does, but never below 80 % of the designed size. No control is
// moved or resized, and a caption that fits keeps the designed font.

#include <QFont>
#include <QString>

class QWidget;

namespace korvane::captionfit {

inline constexpr double kSmallestShare = 0.8;

// Takes the widget's font of now as its designed font and fits the caption
// it holds; from then on refit() fits each new caption. Nothing while the
// words are English: they fit as laid out.
void keepWhole(QWidget& widget);
// After the caption changed; nothing for a widget not kept whole.
void refit(QWidget& widget);
// The designed font of a widget kept whole (its font, for any other).
QFont designedFont(const QWidget& widget);

// Whether `text` shows whole in the widget (a label, a button, an option
// button or check box, a frame's title) when drawn in `font`, with Qt's
// fallback faces for characters the font lacks.
bool fits(const QWidget& widget, const QString& text, const QFont& font);
// The caption of such a widget.
QString captionOf(const QWidget& widget);

// `designed` where the text fits in it, else the largest smaller pixel size
// down to 80 % that fits, else that 80 % size.
template <typename Fits>
QFont fitted(const QFont& designed, Fits fitsIn)
{
    if (designed.pixelSize() <= 0 || fitsIn(designed)) {
        return designed;
    }
    QFont font = designed;
    const int smallest = static_cast<int>(designed.pixelSize() * kSmallestShare + 0.999);
    for (int pixels = designed.pixelSize() - 1; pixels >= smallest; --pixels) {
        font.setPixelSize(pixels);
        if (fitsIn(font)) {
            return font;
        }
    }
    return font;
}

}  // namespace korvane::captionfit
