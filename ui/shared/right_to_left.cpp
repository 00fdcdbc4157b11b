// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "right_to_left.h"

#include <QGroupBox>
#include <QWidget>

namespace korvane::rtl {

namespace {

void mirrorChildren(QWidget& container)
{
    const int width = container.width();
    for (QWidget* child : container.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isWindow()) {
            continue;  // a window of its own, placed by the desktop
        }
        child->setGeometry(mirrored(child->geometry(), width));
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
