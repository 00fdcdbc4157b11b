// SPDX-FileCopyrightText: 2026 Korvane developers
//
// SPDX-License-Identifier: MIT

#pragma once
// The answer line is the one thing the popup is there to show, so it must
// never be wrapped or cut off by its fixed-size label.

#include <QFont>
#include <QSize>
#include <QString>

namespace korvane {

// `font` itself when `text` fits on one line of `box`; otherwise the same
// font at the largest pixel size at which it does, width and height.
QFont fittedOnOneLine(const QString& text, const QFont& font, QSize box);

}  // namespace korvane
