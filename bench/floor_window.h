// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The floor: the least a Qt Widgets program does to put one empty window of
// the main window's client size (694 x 462) on screen. The real program's
// start-up is measured against it.

#include <QString>
#include <QWidget>

namespace korvane::bench {

inline void setUpFloorWindow(QWidget& window)
{
    window.setWindowTitle(QStringLiteral("Floor"));
    window.resize(694, 462);
}

}  // namespace korvane::bench
