// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// Puts a top-level window's client area of the given size in the middle of
// the screen's available area.

#include <QSize>

class QWidget;

namespace korvane {

void placeCentred(QWidget& window, QSize client);

}  // namespace korvane
