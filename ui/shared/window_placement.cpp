// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#include "window_placement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QWidget>

namespace korvane {

void placeCentred(QWidget& window, QSize client)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    QRect area(QPoint(0, 0), client);
    if (screen != nullptr) {
        area.moveCenter(screen->availableGeometry().center());
    }
    window.setGeometry(area);
}

}  // namespace korvane
