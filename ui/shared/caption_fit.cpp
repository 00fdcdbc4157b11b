// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "caption_fit.h"

#include <algorithm>
#include <cmath>

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextLayout>
#include <QVariant>

#include "translation.h"

namespace korvane::captionfit {

namespace {

constexpr const char* kDesigned = "korvaneDesignedFont";

// The room a button's text has: inside the frame and beside the box.
QRect buttonTextRoom(const QAbstractButton& button, const QFont& font)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.fontMetrics = QFontMetrics(font);
    option.text = button.text();
    if (qobject_cast<const QRadioButton*>(&button) != nullptr) {
        return button.style()->subElementRect(QStyle::SE_RadioButtonContents, &option, &button);
    }
    if (qobject_cast<const QCheckBox*>(&button) != nullptr) {
        return button.style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &button);
    }
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button);
}

// One line as the text engine lays it out, with the faces that draw each
// letter: its width, which counts a last letter that reaches past its
// advance ("w"), and its height, which a face of another script may raise
// above the font's own, each to the next whole pixel.
QSize lineSize(const QString& text, const QFont& font)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    const QFontMetricsF metrics(font);
    const qreal advance = metrics.horizontalAdvance(text);
    return QSize(static_cast<int>(std::ceil(std::max(advance, line.naturalTextWidth()))),
                 static_cast<int>(std::ceil(std::max(metrics.height(), line.height()))));
}

}  // namespace

QString captionOf(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        return label->text();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        return button->text();
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(&widget)) {
        return frame->title();
    }
    return {};
}

bool fits(const QWidget& widget, const QString& text, const QFont& font)
{
    if (text.isEmpty()) {
        return true;
    }
    // Measured in the face that draws each character, to the fraction of a
    // pixel, rounded up.
    const QFontMetricsF metrics(font);
    const auto whole = [](qreal pixels) { return static_cast<int>(std::ceil(pixels)); };
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRectF needed = metrics.boundingRect(QRectF(0, 0, room.width(), room.height()), flags, text);
        return whole(needed.width()) <= room.width() && whole(needed.height()) <= room.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QRect room = buttonTextRoom(*button, font);
        const QSize needed = lineSize(text, font);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (qobject_cast<const QGroupBox*>(&widget) != nullptr) {
        // The title stands 8 pixels in, on a patch 4 pixels wider than the
        // text, and leaves the frame's far corner showing.
        return 8 + lineSize(text, font).width() + 4 <= widget.width() - 8;
    }
    return true;
}

QFont designedFont(const QWidget& widget)
{
    const QVariant designed = widget.property(kDesigned);
    return designed.isValid() ? designed.value<QFont>() : widget.font();
}

void keepWhole(QWidget& widget)
{
    // The English captions are laid out to fit, and measuring them all
    // would cost the start-up several milliseconds.
    if (!translation::translated()) {
        return;
    }
    if (!widget.property(kDesigned).isValid()) {
        widget.setProperty(kDesigned, QVariant::fromValue(widget.font()));
    }
    refit(widget);
}

void refit(QWidget& widget)
{
    const QVariant designed = widget.property(kDesigned);
    if (!designed.isValid() || qobject_cast<QGroupBox*>(&widget) != nullptr) {
        return;  // a frame draws its title itself, its contents keep their font
    }
    const QString text = captionOf(widget);
    const QFont font =
        fitted(designed.value<QFont>(), [&](const QFont& candidate) { return fits(widget, text, candidate); });
    if (widget.font() != font) {
        widget.setFont(font);
    }
}

}  // namespace korvane::captionfit
