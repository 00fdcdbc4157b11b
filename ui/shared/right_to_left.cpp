// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "right_to_left.h"

#include <QGroupBox>
#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

namespace korvane::rtl {

namespace {

// A row of numbers, each over its own box ("    1        2 ..."): text
// with no strong direction, which a label would still draw left to right.
bool isRowOfNumbers(const QString& text)
{
    static const QRegularExpression row(QStringLiteral("^ *[0-9]+( +[0-9]+)+ *$"));
    return row.match(text).hasMatch();
}

void mirrorChildren(QWidget& container)
{
    const int width = container.width();
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            continue;  // a window of its own, placed by the desktop
        }
        child->setGeometry(mirrored(child->geometry(), width));
        // A right-to-left mark makes it run from the right, so the first
        // number stands over the first box, now the rightmost.
        if (auto* label = qobject_cast<QLabel*>(child); label != nullptr && isRowOfNumbers(label->text())) {
            label->setText(QChar(0x200F) + label->text());
        }
        // A frame holds controls at fixed places of its own; any other
        // widget lays out its parts itself, already mirrored.
        if (qobject_cast<QGroupBox*>(child) != nullptr) {
            mirrorChildren(*child);
        }
    }
}

}  // namespace

QRect mirrored(const QRect& box, int width)
{
    return {width - box.x() - box.width(), box.y(), box.width(), box.height()};
}

void mirror(QWidget& window)
{
    if (window.layoutDirection() == Qt::RightToLeft) {
        mirrorChildren(window);
    }
}

}  // namespace korvane::rtl
