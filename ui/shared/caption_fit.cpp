// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "caption_fit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QVariant>

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
    // QFontMetrics measures each character in the face that draws it.
    const QFontMetrics metrics(font);
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        const QRect room = label->contentsRect();
        const int flags = int(label->alignment()) | (label->wordWrap() ? int(Qt::TextWordWrap) : 0);
        const QRect needed = metrics.boundingRect(QRect(0, 0, room.width(), room.height()), flags, text);
        return needed.width() <= room.width() && needed.height() <= room.height();
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        const QRect room = buttonTextRoom(*button, font);
        return metrics.horizontalAdvance(text) <= room.width() && metrics.height() <= room.height();
    }
    if (qobject_cast<const QGroupBox*>(&widget) != nullptr) {
        // The title stands 8 pixels in, on a patch 4 pixels wider than the
        // text, and leaves the frame's far corner showing.
        return 8 + metrics.horizontalAdvance(text) + 4 <= widget.width() - 8;
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
